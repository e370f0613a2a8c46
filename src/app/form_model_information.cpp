#include "form_model_information.h"

#include "band_table.h"
#include "button_row.h"
#include "prompts.h"
#include "shared_state.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace t40 {

FormModelInformation::FormModelInformation(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Model Information"));
    LabelModel = new QLabel(tr("Model Type"), this);
    ComboModel = new QComboBox(this);
    LabelArea = new QLabel(tr("Frequency"), this);
    ComboArea = new QComboBox(this);
    CommandOK = new QPushButton(tr("&Open"), this);
    CommandCancel = new QPushButton(tr("&Close"), this);
    CommandOK->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(LabelModel, 0, 0);
    grid->addWidget(ComboModel, 0, 1);
    grid->addWidget(LabelArea, 1, 0);
    grid->addWidget(ComboArea, 1, 1);
    auto* buttons = ButtonRow({ CommandOK, CommandCancel });
    grid->addLayout(buttons, 2, 0, 1, 2);
    ComboArea->setMinimumWidth(160);

    connect(ComboModel, &QComboBox::activated, this, [this] { ComboModel_Click(); });
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });

    AnalyseModelInformation();
}

void FormModelInformation::fillAreas(int family)
{
    ComboArea->clear();
    for (const BandEntry& entry : BandsOfFamily(static_cast<BandFamily>(family)))
        ComboArea->addItem(QString::fromLatin1(entry.listText));
}

void FormModelInformation::AnalyseModelInformation()
{
    Decoding = true;
    ComboModel->clear();
    ComboModel->addItems({ QStringLiteral("VHF"), QStringLiteral("UHF") });
    const RadioDocument& document = AppDocument();
    if (document.value(FieldId::ModelFamily) == FamilyByteVHF) {
        ComboModel->setCurrentIndex(0);
        LastFamily = 0;
        fillAreas(0);
        ComboArea->setCurrentIndex(0);
    } else {
        ComboModel->setCurrentIndex(1);
        LastFamily = 1;
        fillAreas(1);
        const auto rows = BandsOfFamily(BandFamily::UHF);
        int position = static_cast<int>(rows.size()) - 1; // 400-470MHz when no code matches
        for (int i = 0; i < static_cast<int>(rows.size()); ++i)
            if (rows[i].code == document.value(FieldId::ModelBandCode))
                position = i;
        ComboArea->setCurrentIndex(position);
    }
    Decoding = false;
}

void FormModelInformation::ComboModel_Click()
{
    if (Decoding)
        return;
    const int family = ComboModel->currentIndex();
    if (family != LastFamily) {
        fillAreas(family);
        ComboArea->setCurrentIndex(0);
    }
    LastFamily = family;
}

void FormModelInformation::CommandOK_Click()
{
    const auto rows = BandsOfFamily(static_cast<BandFamily>(ComboModel->currentIndex()));
    const int position = ComboArea->currentIndex();
    if (position < 0 || position >= static_cast<int>(rows.size())) {
        reject();
        return;
    }
    const BandEntry& entry = rows[position];
    const auto expected = ExpectedModelBlock(entry);
    const QByteArray stored = AppDocument().fieldBytes(FieldId::ModelBlock);
    if (std::equal(expected.begin(), expected.end(), stored.begin(), stored.end(),
                   [](std::uint8_t a, char b) { return a == std::uint8_t(b); })) {
        accept();
        return;
    }
    if (ShowMessageBox(tr("Frequency data will be cleared"), BoxIcon::Error, BoxButtons::OkCancel)
        != BoxAnswer::Ok) {
        reject();
        return;
    }
    const QString text = ComboArea->currentText();
    const int low = text.mid(0, 3).toInt();
    const int high = text.mid(4, 3).toInt();
    chosenBand_ = BandState { ComboModel->currentText(), low, high, high };
    State().TemplateFileName = QStringLiteral("Init.dat");
    accept();
}

void FormModelInformation::CommandCancel_Click()
{
    reject();
}

} // namespace t40
