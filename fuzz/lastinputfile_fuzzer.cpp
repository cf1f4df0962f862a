// temp_input.dat is restored at every start: any bytes must give a window
// whose texts stay within bounds, save again and assemble a calculation input.
#include "app/model/calculationinputassembly.h"
#include "app/model/lastinputfile.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    app::MainWindowModel window;
    app::applyLastInputLines(window, app::splitLastInputFile(bytes));
    app::lastInputLines(window);
    app::assembleCalculationInput(window, options::OptionsTexts());
    return 0;
}
