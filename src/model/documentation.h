// Project documentation carried by the project file: change log, drawing data, free texts
// and document links.
#pragma once

namespace bxr {

struct ProjectDocumentation {};

}  // namespace bxr
