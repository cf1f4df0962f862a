#include "cli/savespan.h"

#include "common/filewriteerror.h"

#include <cerrno>

namespace cli {

void stageSpanFile(const std::string &fileName, const app::SpanFile &span, CommandOutputs &outputs)
{
    std::string text;
    try {
        text = app::spanFileText(span);
    } catch (const nlohmann::json::exception &) {
        outputs.fail("跨线文件 " + fileName + " 未能保存: 输入中有无法保存的字符.");
        return;
    }
    // A file the reader would refuse is not written.
    if (text.size() > app::maxSpanFileBytes) {
        outputs.fail(common::FileWriteError(fileName, EFBIG).what());
        return;
    }
    outputs.add(fileName, text);
}

} // namespace cli
