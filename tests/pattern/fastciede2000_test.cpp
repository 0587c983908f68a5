#include "pattern/fastciede2000.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>

namespace tessaly::pattern {
namespace {

struct PublishedPair
{
    Lab one;
    Lab other;
    double difference;
};

void PrintTo(const PublishedPair &pair, std::ostream *out)
{
    *out << "(" << pair.one.l << ", " << pair.one.a << ", " << pair.one.b << ") / (" << pair.other.l << ", "
         << pair.other.a << ", " << pair.other.b << ")";
}

class PublishedCiede2000Test : public testing::TestWithParam<PublishedPair> {};

TEST_P(PublishedCiede2000Test, MatchesTheWorkedValue)
{
    const auto &[one, other, difference] = GetParam();
    EXPECT_NEAR(std::sqrt(squaredCiede2000(chromaLab(one), chromaLab(other))), difference, 5e-5);
    EXPECT_NEAR(std::sqrt(squaredCiede2000(chromaLab(other), chromaLab(one))), difference, 5e-5);
}

// The test data of Sharma, Wu and Dalal's notes on CIEDE2000 (2005), made to
// catch the mistakes implementations make with the hue angle: near-opposite
// hues whose mean flips with the last digit, colours without chroma, hues
// on either side of 0 degrees, and the blue region's rotation term.
INSTANTIATE_TEST_SUITE_P(
    SharmaWuDalal, PublishedCiede2000Test,
    testing::Values(PublishedPair{{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
                    PublishedPair{{50, 3.1571, -77.2803}, {50, 0, -82.7485}, 2.8615},
                    PublishedPair{{50, 2.8361, -74.0200}, {50, 0, -82.7485}, 3.4412},
                    PublishedPair{{50, -1.3802, -84.2814}, {50, 0, -82.7485}, 1.0000},
                    PublishedPair{{50, -1.1848, -84.8006}, {50, 0, -82.7485}, 1.0000},
                    PublishedPair{{50, -0.9009, -85.5211}, {50, 0, -82.7485}, 1.0000},
                    PublishedPair{{50, 0, 0}, {50, -1, 2}, 2.3669},
                    PublishedPair{{50, -1, 2}, {50, 0, 0}, 2.3669},
                    PublishedPair{{50, 2.4900, -0.0010}, {50, -2.4900, 0.0009}, 7.1792},
                    PublishedPair{{50, 2.4900, -0.0010}, {50, -2.4900, 0.0010}, 7.1792},
                    PublishedPair{{50, 2.4900, -0.0010}, {50, -2.4900, 0.0011}, 7.2195},
                    PublishedPair{{50, 2.4900, -0.0010}, {50, -2.4900, 0.0012}, 7.2195},
                    PublishedPair{{50, -0.0010, 2.4900}, {50, 0.0009, -2.4900}, 4.8045},
                    PublishedPair{{50, -0.0010, 2.4900}, {50, 0.0010, -2.4900}, 4.8045},
                    PublishedPair{{50, -0.0010, 2.4900}, {50, 0.0011, -2.4900}, 4.7461},
                    PublishedPair{{50, 2.5, 0}, {50, 0, -2.5}, 4.3065},
                    PublishedPair{{50, 2.5, 0}, {73, 25, -18}, 27.1492},
                    PublishedPair{{50, 2.5, 0}, {61, -5, 29}, 22.8977},
                    PublishedPair{{50, 2.5, 0}, {56, -27, -3}, 31.9030},
                    PublishedPair{{50, 2.5, 0}, {58, 24, 15}, 19.4535},
                    PublishedPair{{50, 2.5, 0}, {50, 3.1736, 0.5854}, 1.0000},
                    PublishedPair{{50, 2.5, 0}, {50, 3.2972, 0}, 1.0000},
                    PublishedPair{{50, 2.5, 0}, {50, 1.8634, 0.5757}, 1.0000},
                    PublishedPair{{50, 2.5, 0}, {50, 3.2592, 0.3350}, 1.0000},
                    PublishedPair{{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
                    PublishedPair{{63.0109, -31.0961, -5.8663}, {62.8187, -29.7946, -4.0864}, 1.2630},
                    PublishedPair{{61.2901, 3.7196, -5.3901}, {61.4292, 2.2480, -4.9620}, 1.8731},
                    PublishedPair{{35.0831, -44.1164, 3.7933}, {35.0232, -40.0716, 1.5901}, 1.8645},
                    PublishedPair{{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
                    PublishedPair{{36.4612, 47.8580, 18.3852}, {36.2715, 50.5065, 21.2231}, 1.4146},
                    PublishedPair{{90.8027, -2.0831, 1.4410}, {91.1528, -1.6435, 0.0447}, 1.4441},
                    PublishedPair{{90.9257, -0.5406, -0.9208}, {88.6381, -0.8985, -0.7239}, 1.5381},
                    PublishedPair{{6.7747, -0.2908, -2.4247}, {5.8714, -0.0985, -2.2286}, 0.6377},
                    PublishedPair{{2.0776, 0.0795, -1.1350}, {0.9033, -0.0636, -0.5514}, 0.9082}));

Lab randomLab(std::mt19937 &random)
{
    std::uniform_real_distribution<double> lightness(-10, 130), axis(-140, 140);
    return {lightness(random), axis(random), axis(random)};
}

// The plain formula is the reference; the rearranged one must not drift
// from it anywhere, out of gamut included, nor at exactly opposite hues.
TEST(FastCiede2000Test, AgreesWithThePlainFormula)
{
    std::mt19937 random(2024);
    for (int pair = 0; pair < 20000; ++pair) {
        const Lab one = randomLab(random);
        const Lab other = pair % 10 == 0 ? Lab{one.l + 7, -one.a, -one.b} : randomLab(random);
        const double plain = ciede2000(one, other);
        ASSERT_NEAR(std::sqrt(squaredCiede2000(chromaLab(one), chromaLab(other))), plain, 1e-9 * (1 + plain))
            << one.l << ' ' << one.a << ' ' << one.b << " / " << other.l << ' ' << other.a << ' ' << other.b;
    }
}

TEST(FastCiede2000Test, StopsEarlyOnlyAboveTheBound)
{
    std::mt19937 random(7);
    for (int pair = 0; pair < 5000; ++pair) {
        const ChromaLab one = chromaLab(randomLab(random)), other = chromaLab(randomLab(random));
        const double squared = squaredCiede2000(one, other);
        // A bound under the difference: any value above the bound will do.
        EXPECT_GT(squaredCiede2000(one, other, 0.5 * squared), 0.5 * squared);
        // A bound the difference does not pass: the difference itself.
        EXPECT_DOUBLE_EQ(squaredCiede2000(one, other, squared), squared);
    }
}

} // namespace
} // namespace tessaly::pattern
