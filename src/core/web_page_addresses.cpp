#include "core/web_page.h"

#ifndef FOLDERLOCKER_SITE_HOST
#error "FOLDERLOCKER_SITE_HOST names the host of the update and about pages"
#endif

namespace folderlocker {

const char* const UpdatePageUrl = "http://" FOLDERLOCKER_SITE_HOST "/thread-12533-1-1.html";
const char* const AboutPageUrl = "http://" FOLDERLOCKER_SITE_HOST "/thread-9282-1-1.html";

}  // namespace folderlocker
