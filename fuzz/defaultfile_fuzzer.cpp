// default.dat is read at every start from whatever the current directory
// holds: any bytes must leave a snapshot of finite floats that writes and
// reads back unchanged.
#include "options/model/optionsfile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    options::OptionsSnapshot snapshot = options::initialOptionsSnapshot();
    options::scanOptionsText(text, snapshot);
    for (float value : options::toFileOrder(snapshot)) {
        if (!std::isfinite(value))
            std::abort();
    }

    options::OptionsSnapshot reread = options::initialOptionsSnapshot();
    if (!options::scanOptionsText(options::formatOptionsText(snapshot), reread))
        std::abort();
    // Six decimals keep every value that was read from such a text.
    if (!options::scanOptionsText(options::formatOptionsText(reread), snapshot) || !(snapshot == reread))
        std::abort();
    return 0;
}
