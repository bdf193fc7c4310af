#include "core/disclaimer.h"

#include "core/string_table.h"
#include "resources/string_ids.h"

namespace corvana {

std::string DisclaimerText() {
  return LoadResString(IDS_DISCLAIMER_WARNING) + " " + LoadResString(IDS_DISCLAIMER_COPYRIGHT) +
         LoadResString(IDS_DISCLAIMER_COPYRIGHT_END) + " " + LoadResString(IDS_DISCLAIMER_LIABILITY) + " " +
         LoadResString(IDS_DISCLAIMER_COPYING);
}

}  // namespace corvana
