// The maker's web pages and the one way the program opens them.
#pragma once

#include "core/text.h"

namespace folderlocker {

// The update page, opened after every refusal, and the about page. Both live on the host that the
// build names (FOLDERLOCKER_SITE_HOST).
extern const char* const UpdatePageUrl;
extern const char* const AboutPageUrl;

#ifdef _WIN32
// Opens address with the user's default handler. The owner of any shell message is the window
// titled "Microsoft Internet Explorer" when one exists. Reports nothing and waits for nothing.
void OpenWebPage(const Text& address);
#endif

}  // namespace folderlocker
