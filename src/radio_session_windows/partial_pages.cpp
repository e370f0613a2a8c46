#include "partial_pages.h"

#include "form_dtmf.h"
#include "form_local_message.h"
#include "form_special.h"
#include "form_tune.h"
#include "partial_session.h"

namespace t40 {

namespace {
// The tune page is closed before another radio page opens, so that it never
// shows values older than the radio's.
void CloseTunePage(QWidget* parent)
{
    if (!parent)
        return;
    for (FormTune* tune : parent->window()->findChildren<FormTune*>())
        tune->closePage();
}

template <typename Page>
void ReadThenOpen(QWidget* parent, bool SharedState::*kind)
{
    CloseTunePage(parent);
    if (!RunPartialSession(parent, true, kind))
        return;
    Page page(parent);
    page.exec();
}
} // namespace

void OpenDealerInformation(QWidget* parent)
{
    ReadThenOpen<FormLocalMessage>(parent, &SharedState::SessionDealerInfo);
}

void OpenStunKill(QWidget* parent)
{
    ReadThenOpen<FormDtmf>(parent, &SharedState::SessionDtmf);
}

void OpenSpecialOption(QWidget* parent)
{
    ReadThenOpen<FormSpecial>(parent, &SharedState::SessionSpecial);
}

} // namespace t40
