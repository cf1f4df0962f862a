#pragma once

#include <vector>

namespace engine {

/// An insulator string as a rigid straight link with its weight at mid-length.
struct ChainString
{
    double length = 0;  ///< along the string, m
    double load = 0;    ///< N
};

/// A concentrated load hung on the conductor at a horizontal distance from A.
struct ChainPointLoad
{
    double x = 0;     ///< m from A, strictly between the ends of the strings
    double load = 0;  ///< N, > 0
};

/**
 * One span as a chain from the attachment point on structure A (x = 0,
 * y = 0) to that on structure B (x = span, y = drop; y points downwards):
 * string A, the jumper load at its end, the conductor as an elastic
 * catenary broken at the point loads, the jumper load at the start of
 * string B, string B. Forces in N, lengths in m.
 */
struct ChainSpan
{
    double span = 0;            ///< horizontal distance A–B, > 0
    double drop = 0;            ///< how far B lies below A (negative: above)
    ChainString stringA, stringB;
    double jumperA = 0;         ///< load at the end of string A
    double jumperB = 0;         ///< load at the start of string B
    std::vector<ChainPointLoad> loads;  ///< ascending x
    double unitLoad = 0;        ///< w of the conductor per metre of unstressed length, > 0
    double axialStiffness = 0;  ///< EA of the conductor, > 0
};

/// One piece of a solved chain: a string or a piece of the conductor.
struct ChainPiece
{
    bool isString = false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  ///< ends, m
    double V0 = 0, V1 = 0;  ///< downward tension component just after the start and just before the end, N
    double length = 0;      ///< string length, or the unstressed length of the conductor piece, m
    double load = 0;        ///< the string's load, or w·length of the conductor piece, N
};

/// Where a solve starts: the tension and the vertical reaction at A.
struct ChainGuess
{
    double H = 0;   ///< N, > 0
    double VA = 0;  ///< N
};

struct ChainSolution
{
    double H = 0;                 ///< horizontal tension, shared by every piece, N
    double VA = 0;                ///< downward tension component leaving A (the vertical reaction at A), N
    double conductorLength = 0;   ///< unstressed length of the conductor, m
    double stretchedLength = 0;   ///< its length under load, m
    double sag = 0;               ///< largest vertical distance of the chain below the chord A–B, m
    int iterations = 0;           ///< Newton steps taken
    std::vector<ChainPiece> pieces;  ///< from A to B
};

/**
 * The chain whose conductor has the unstressed length \a conductorLength:
 * Newton's method on H, the vertical reaction at A and the unstressed
 * lengths of the conductor pieces between the point loads, closing the chain
 * at B with every point load at its horizontal position.
 *
 * @throws CalculationError (Kind::Catenary) for a chain without a shape
 *         (no weight, no stiffness, loads outside the conductor) or when
 *         Newton's method does not converge within its step limit
 */
ChainSolution solveChain(const ChainSpan &chain, double conductorLength, const ChainGuess &guess);

/**
 * The chain whose sag is \a sag: the unstressed length of the conductor is
 * found by a secant iteration on the sag, each step solved by solveChain().
 * \a lengthGuess is a first estimate of that length.
 * @throws CalculationError (Kind::Catenary) as solveChain(), or when the sag
 *         cannot be reached within the step limit
 */
ChainSolution solveChainForSag(const ChainSpan &chain, double sag, double lengthGuess, const ChainGuess &guess);

/**
 * The chain whose horizontal tension is \a H (N): the unstressed length of
 * the conductor is found by a secant iteration on H, each step solved by
 * solveChain(), until H is met to 1e-9 of itself. \a lengthGuess is a first
 * estimate of that length.
 * @throws CalculationError (Kind::Catenary) as solveChain(), or when the
 *         tension cannot be reached within the step limit
 */
ChainSolution solveChainForTension(const ChainSpan &chain, double H, double lengthGuess, const ChainGuess &guess);

} // namespace engine
