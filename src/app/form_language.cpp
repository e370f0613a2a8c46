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
    setWindowTitle(Lang("Set Language", "语言设置"));
    LabelLanguage = new QLabel(Lang("Language Select", "语言选择"), this);
    ComboLanguage = new QComboBox(this);
    ComboLanguage->addItem(Lang("English", "英文"));
    ComboLanguage->addItem(Lang("Chinese", "中文"));
    ComboLanguage->setCurrentIndex(State().IsEnglish ? 0 : 1);
    CommandOK = new QPushButton(Lang("&OK", "确定(&O)"), this);
    CommandCancel = new QPushButton(Lang("&Cancel", "取消(&C)"), this);
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
    const bool english = ComboLanguage->currentIndex() == 0;
    if (english != s.IsEnglish)
        s.LanguageChanged = true;
    s.IsEnglish = english;
    if (s.LanguageChanged)
        RegWriteString(RegHive::LocalMachine, AppRegistryKey, LanguageValue,
                       english ? QStringLiteral("True") : QStringLiteral("False"));
    accept();
}

void FormLanguage::CommandCancel_Click()
{
    reject();
}

} // namespace t40
