#pragma once

#include <QIcon>

namespace gridmark {

// The program's icon, drawn from its SVG at build time at the usual sizes.
QIcon ProgramIcon();

}  // namespace gridmark
