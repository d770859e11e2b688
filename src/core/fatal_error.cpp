#include "core/fatal_error.h"

#include <string>

namespace folderlocker {

Text FatalErrorText(int code, const Text& message) {
  Text text = "运行时出错!\r\n\r\n";
  if (code != 0) text += "错误代码：" + std::to_string(code) + "\r\n\r\n";
  if (!message.empty()) text += "错误信息：" + message + "\r\n";
  return text;
}

}  // namespace folderlocker
