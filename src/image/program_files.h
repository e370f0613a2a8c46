#pragma once

#include <QString>

namespace t40 {

// A file shipped with the program (Init.dat, the help folder): beside the
// executable in the build tree, in ../share/t40 when installed. When neither
// exists, the place beside the executable is named.
QString ProgramDataPath(const QString& name);

} // namespace t40
