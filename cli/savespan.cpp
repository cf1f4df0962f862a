#include "cli/savespan.h"

#include <system_error>

namespace cli {

bool saveSpanFile(const std::string &fileName, const app::SpanFile &span, std::ostream &errors)
{
    try {
        app::writeSpanFile(fileName, span);
        return true;
    } catch (const std::system_error &error) {
        errors << "跨线文件 " << fileName << " 未能保存(系统错误 " << error.code().value() << "),原有文件保持不变.\n";
    } catch (const nlohmann::json::exception &) {
        errors << "跨线文件 " << fileName << " 未能保存: 输入中有无法保存的字符.\n";
    }
    return false;
}

} // namespace cli
