#include "options/model/optionssnapshot.h"

#include <algorithm>

namespace options {

OptionsSnapshot initialOptionsSnapshot()
{
    return fromFileOrder({
        70, -40, 40, -10, 10, -5, 15, 15, 15, 10,
        0, 10, 10, 10, 30, 10, 10, 15, 10, 0,
        40, 30, 20, 15, 10, 5, 0, -5, -10, 0,
        1, 1, 1, 0, 0, 0, 0, 0, 0, 0,
    });
}

std::array<float, snapshotSize> toFileOrder(const OptionsSnapshot &snapshot)
{
    std::array<float, snapshotSize> values{};
    auto out = values.begin();
    out = std::copy(snapshot.conditionTemperature.begin(), snapshot.conditionTemperature.end(), out);
    *out++ = snapshot.iceThickness;
    out = std::copy(snapshot.conditionWindSpeed.begin(), snapshot.conditionWindSpeed.end(), out);
    *out++ = snapshot.reserved1;
    out = std::copy(snapshot.markingTemperature.begin(), snapshot.markingTemperature.end(), out);
    *out++ = snapshot.reserved2;
    out = std::copy(snapshot.markingState.begin(), snapshot.markingState.end(), out);
    std::copy(snapshot.reserved3.begin(), snapshot.reserved3.end(), out);
    return values;
}

OptionsSnapshot fromFileOrder(const std::array<float, snapshotSize> &values)
{
    OptionsSnapshot snapshot;
    auto in = values.begin();
    auto take = [&in](auto &group) {
        std::copy_n(in, group.size(), group.begin());
        in += static_cast<std::ptrdiff_t>(group.size());
    };
    take(snapshot.conditionTemperature);
    snapshot.iceThickness = *in++;
    take(snapshot.conditionWindSpeed);
    snapshot.reserved1 = *in++;
    take(snapshot.markingTemperature);
    snapshot.reserved2 = *in++;
    take(snapshot.markingState);
    take(snapshot.reserved3);
    return snapshot;
}

ReservedNumbers reservedNumbers(const OptionsSnapshot &snapshot)
{
    return {snapshot.reserved1, snapshot.reserved2, snapshot.reserved3};
}

void setReservedNumbers(OptionsSnapshot &snapshot, const ReservedNumbers &reserved)
{
    snapshot.reserved1 = reserved.reserved1;
    snapshot.reserved2 = reserved.reserved2;
    snapshot.reserved3 = reserved.reserved3;
}

} // namespace options
