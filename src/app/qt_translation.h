#pragma once

namespace t40 {

// Qt's own buttons and dialogs follow the interface language.
void ApplyQtTranslation(bool english);

} // namespace t40
