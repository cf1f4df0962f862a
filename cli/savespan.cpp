#include "cli/savespan.h"

#include "common/filewriteerror.h"

namespace cli {

bool saveSpanFile(const std::string &fileName, const app::SpanFile &span, std::ostream &errors)
{
    try {
        app::writeSpanFile(fileName, span);
        return true;
    } catch (const common::FileWriteError &error) {
        errors << error.what() << '\n';
    } catch (const nlohmann::json::exception &) {
        errors << "跨线文件 " << fileName << " 未能保存: 输入中有无法保存的字符.\n";
    }
    return false;
}

} // namespace cli
