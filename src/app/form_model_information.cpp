#include "form_model_information.h"

#include "button_row.h"
#include "prompts.h"
#include "radio_band.h"
#include "radio_document.h"
#include "shared_state.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

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
    ComboArea->addItems(BandListTexts(family));
}

void FormModelInformation::AnalyseModelInformation()
{
    Decoding = true;
    ComboModel->clear();
    ComboModel->addItems({ QStringLiteral("VHF"), QStringLiteral("UHF") });
    const BandChoice choice = CurrentBandChoice(AppDocument());
    ComboModel->setCurrentIndex(choice.family);
    LastFamily = choice.family;
    fillAreas(choice.family);
    ComboArea->setCurrentIndex(choice.row);
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
    const BandChoice choice { ComboModel->currentIndex(), ComboArea->currentIndex() };
    const std::optional<BandState> band = BandOfChoice(choice);
    if (!band) {
        reject();
        return;
    }
    if (IsCurrentBand(AppDocument(), choice)) {
        accept();
        return;
    }
    if (ShowMessageBox(tr("Frequency data will be cleared"), BoxIcon::Error, BoxButtons::OkCancel)
        != BoxAnswer::Ok) {
        reject();
        return;
    }
    chosenBand_ = band;
    State().TemplateFileName = QStringLiteral("Init.dat");
    accept();
}

void FormModelInformation::CommandCancel_Click()
{
    reject();
}

} // namespace t40
