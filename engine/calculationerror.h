#pragma once

#include <stdexcept>
#include <string>

namespace engine {

/**
 * A calculation that cannot go on: a division whose divisor is 0, a result
 * that is not finite, a state equation without a positive root. what() holds
 * the Chinese text to show the user.
 */
class CalculationError : public std::runtime_error
{
public:
    enum class Kind {
        Arithmetic,   ///< a zero divisor or a non-finite value in the span arithmetic
        CubicSolver,  ///< the state equation has no usable root ("程序求解三次方程出错,...")
        Catenary,     ///< the exact chain of a state could not be solved
    };

    CalculationError(Kind kind, const std::string &message)
        : std::runtime_error(message), mKind(kind) {}

    Kind kind() const { return mKind; }

private:
    Kind mKind;
};

/**
 * A text that is not a number reached a conversion. what() names the text,
 * for example "“abc”不是有效的数值".
 */
class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const std::string &text);

    /// The same for the text of a named input field:
    /// "跨距L(m): “” 不是有效的数值".
    ConversionError(const std::string &text, const std::string &field);

    /// The offending text, exactly as it was given.
    const std::string &text() const { return mText; }

private:
    std::string mText;
};

} // namespace engine
