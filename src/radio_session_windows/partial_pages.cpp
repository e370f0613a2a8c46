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
void ReadThenOpen(RadioDocument& document, QWidget* parent, SessionKind kind, const std::function<void()>& afterRead)
{
    CloseTunePage(parent);
    if (!RunSession(parent, PartialRequest(document, kind, Direction::Read), afterRead))
        return;
    Page page(document, parent);
    page.exec();
}
} // namespace

void OpenDealerInformation(RadioDocument& document, QWidget* parent, const std::function<void()>& afterRead)
{
    ReadThenOpen<FormLocalMessage>(document, parent, SessionKind::DealerInfo, afterRead);
}

void OpenStunKill(RadioDocument& document, QWidget* parent, const std::function<void()>& afterRead)
{
    ReadThenOpen<FormDtmf>(document, parent, SessionKind::Dtmf, afterRead);
}

void OpenSpecialOption(RadioDocument& document, QWidget* parent, const std::function<void()>& afterRead)
{
    ReadThenOpen<FormSpecial>(document, parent, SessionKind::Special, afterRead);
}

} // namespace t40
