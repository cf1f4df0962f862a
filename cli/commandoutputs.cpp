#include "cli/commandoutputs.h"

#include <unistd.h>

#include <exception>
#include <iostream>

namespace cli {

void CommandOutputs::add(const std::string &fileName, std::string_view contents)
{
    add(fileName, [&](int descriptor) { common::writeAllInto(descriptor, contents, fileName); });
}

void CommandOutputs::add(const std::string &fileName, const common::FileSetReplacement::Writer &write)
{
    if (mFailed)
        return;
    try {
        if (fileName == standardOutputName)
            mFiles.add(STDOUT_FILENO, fileName, write);
        else
            mFiles.add(fileName, write);
    } catch (const common::FileWriteError &error) {
        tell(error);
    } catch (const std::exception &error) {
        // An output that could not be made (a workbook, the joined PDF) says why in its own words.
        fail((fileName == standardOutputName ? std::string("无法写入标准输出") : "无法写入文件 “" + fileName + "”")
             + ": " + error.what());
    }
}

void CommandOutputs::fail(const std::string &message)
{
    mErrors << message << '\n';
    mFailed = true;
}

bool CommandOutputs::commit()
{
    if (mFailed)
        return false;
    // What the program printed through the stream goes before the staged bytes.
    if (!std::cout.flush()) {
        fail("无法写入标准输出");
        return false;
    }
    try {
        mFiles.commit();
        return true;
    } catch (const common::FileWriteError &error) {
        tell(error);
        return false;
    }
}

void CommandOutputs::tell(const common::FileWriteError &error)
{
    if (error.file() == standardOutputName)
        fail("无法写入标准输出: " + error.reason());
    else
        fail(error.what());
}

bool printChecked(std::string_view text, std::ostream &errors)
{
    CommandOutputs output(errors);
    output.add(std::string(standardOutputName), text);
    return output.commit();
}

} // namespace cli
