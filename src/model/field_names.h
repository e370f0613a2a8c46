#pragma once

#include "field_table.h"

#include <QString>

namespace t40 {

// A field's name for people: the table's own name in English, the pages'
// wording in Chinese.
QString FieldDisplayName(FieldId id, bool english);

} // namespace t40
