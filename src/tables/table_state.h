// The state of the single open dBase table.
#pragma once

namespace bxr {

struct TableState {};

}  // namespace bxr
