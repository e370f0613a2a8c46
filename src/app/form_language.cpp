#include "form_language.h"

#include "button_row.h"
#include "reg_keys.h"
#include "shared_state.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace t40 {

FormLanguage::FormLanguage(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Set Language"));
    LabelLanguage = new QLabel(tr("Language Select"), this);
    ComboLanguage = new QComboBox(this);
    ComboLanguage->addItem(tr("English"));
    ComboLanguage->addItem(tr("Chinese"));
    ComboLanguage->setCurrentIndex(State().IsEnglish ? 0 : 1);
    CommandOK = new QPushButton(tr("&OK"), this);
    CommandCancel = new QPushButton(tr("&Cancel"), this);
    CommandOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(LabelLanguage, 0, 0);
    grid->addWidget(ComboLanguage, 0, 1);
    auto* buttons = ButtonRow({ CommandOK, CommandCancel });
    grid->addLayout(buttons, 1, 0, 1, 2);

    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
}

void FormLanguage::CommandOK_Click()
{
    SharedState& s = State();
    const bool chosenEnglish = ComboLanguage->currentIndex() == 0;
    if (chosenEnglish != s.IsEnglish)
        s.LanguageChanged = true;
    s.IsEnglish = chosenEnglish;
    if (s.LanguageChanged)
        RegWriteString(RegHive::LocalMachine, AppRegistryKey, LanguageValue,
                       chosenEnglish ? QStringLiteral("True") : QStringLiteral("False"));
    accept();
}

void FormLanguage::CommandCancel_Click()
{
    reject();
}

} // namespace t40
