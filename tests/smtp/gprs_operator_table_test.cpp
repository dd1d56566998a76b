#include "smtp/gprs_operator_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kCountryBytes = 2324;
constexpr std::size_t kOperatorsAt = 24;
constexpr std::size_t kRowBytes = 230;

bool AllZero(const unsigned char* from, const unsigned char* to) {
    return std::all_of(from, to, [](unsigned char byte) { return byte == 0; });
}

// The text of a field of `size` bytes, which must end in a zero and hold only zeros after it.
std::string FieldAt(const unsigned char* at, std::size_t size) {
    const unsigned char* end = std::find(at, at + size, 0);
    EXPECT_NE(end, at + size) << "field without terminating zero";
    EXPECT_TRUE(AllZero(end, at + size)) << "bytes after the terminating zero";
    return std::string(at, end);
}

std::int32_t LittleEndianAt(const unsigned char* at) {
    return static_cast<std::int32_t>(at[0] | at[1] << 8 | at[2] << 16 |
                                     static_cast<unsigned>(at[3]) << 24);
}

TEST(GprsOperatorTable, LookupsReadTheFieldsAtTheirByteOffsets) {
    const auto* table = reinterpret_cast<const unsigned char*>(GprsOperatorTable);
    for (int c = 0; c < kGprsCountryCount; ++c) {
        SCOPED_TRACE(c);
        const unsigned char* block = table + static_cast<std::size_t>(c) * kCountryBytes;
        EXPECT_EQ(FieldAt(block, 20), GprsCountryName(c));
        const std::int32_t count = LittleEndianAt(block + 20);
        EXPECT_EQ(count, GprsOperatorCount(c));
        for (int o = 0; o < kGprsOperatorRows; ++o) {
            SCOPED_TRACE(o);
            const unsigned char* row =
                block + kOperatorsAt + static_cast<std::size_t>(o) * kRowBytes;
            if (o >= count) {
                EXPECT_TRUE(AllZero(row, row + kRowBytes));
                continue;
            }
            const GprsAccessPoint accessPoint = GprsOperatorAccessPoint(c, o);
            EXPECT_EQ(FieldAt(row, 30), GprsOperatorName(c, o));
            EXPECT_EQ(FieldAt(row + 30, 30), accessPoint.apn);
            EXPECT_EQ(FieldAt(row + 60, 40), accessPoint.account);
            EXPECT_EQ(FieldAt(row + 100, 130), accessPoint.password);
            EXPECT_FALSE(accessPoint.apn.empty());
        }
    }
}

// An access point name is dot-separated labels of letters, digits and hyphens; a stray space,
// scheme or accent in it, or a space in a user name, only shows as a camera that never sends.
bool IsAccessPointName(std::string_view text) {
    return !text.empty() && text.front() != '.' && text.back() != '.' &&
           text.find("..") == std::string_view::npos &&
           std::all_of(text.begin(), text.end(), [](char ch) {
               return std::isalnum(static_cast<unsigned char>(ch)) != 0 || ch == '.' || ch == '-';
           });
}

bool IsPrintableWithoutSpace(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char ch) { return ch > 0x20 && ch <= 0x7E; });
}

TEST(GprsOperatorTable, AccessPointValuesHaveTheirColumnsForms) {
    for (int c = 0; c < kGprsCountryCount; ++c) {
        for (int o = 0; o < GprsOperatorCount(c); ++o) {
            const GprsAccessPoint row = GprsOperatorAccessPoint(c, o);
            const std::string where =
                std::string(GprsCountryName(c)) + "/" + std::string(GprsOperatorName(c, o));
            EXPECT_TRUE(IsAccessPointName(row.apn)) << where << " " << row.apn;
            EXPECT_TRUE(IsPrintableWithoutSpace(row.account)) << where << " " << row.account;
            EXPECT_TRUE(IsPrintableWithoutSpace(row.password)) << where << " " << row.password;
            // A password without its user is a half-copied pair.
            EXPECT_TRUE(row.password.empty() || !row.account.empty()) << where;
        }
    }
}

TEST(GprsOperatorTable, CountriesAndOperatorsInListOrder) {
    struct Country {
        const char* name;
        std::vector<std::string_view> operators;
    };
    const std::vector<Country> expected = {
        {"Australia", {"Optus", "Telstra", "Vodafone", "Three", "Virgin"}},
        {"Brazil", {"Brazil Telecom", "Claro"}},
        {"Bulgaria", {"Globul", "Mtel", "Vivacom"}},
        {"Canada", {"Fido", "Rogers"}},
        {"China", {"China Mobile", "China Unicom"}},
        {"Croatia", {"VIPNet"}},
        {"Czech Republic", {"O2", "T-Mobile", "Vodafone"}},
        {"Denmark", {"TDC"}},
        {"Deutschland",
         {"Bild-Vodafone", "Vodafone", "T-Mobile", "E-Plus", "O2", "otelo", "VORLANE SIM"}},
        {"Egypt", {"MobiNil", "Vodafone"}},
        {"Estonia", {"EMT", "ELISA", "TELE2"}},
        {"Finland", {"DNA", "Sonera", "Elisa", "Radiolinja"}},
        {"France", {"SFR", "FREE", "Bouygues", "Orange"}},
        {"Greece", {"T-Cosmate", "Vodafone"}},
        {"Hungary", {"Vodafone", "Pannon(contract)"}},
        {"India", {"Idea", "BPL", "Airtel", "VodaFone"}},
        {"Ireland", {"Meteor", "Vodafone"}},
        {"Italy", {"TIM", "Vodafone"}},
        {"Latvia", {"TELE2", "LMT", "BITE"}},
        {"Lithuania", {"Omnitel"}},
        {"Namibia", {"MTC"}},
        {"Netherlands", {"T-Mobile", "Vodafone"}},
        {"New Zealand", {"Vodafone"}},
        {"Norway", {"Netcom", "Telenor"}},
        {"Oesterreich", {"A1", "T-Mobile"}},
        {"Poland", {"ERA", "Orange"}},
        {"Portugal", {"Optimus", "Vodafone"}},
        {"Romania", {"Orange"}},
        {"Russia", {"Beeline", "MTS"}},
        {"Schweiz", {"Orange", "Sunrise", "Swisscom"}},
        {"Slovakia", {"T-Mobile", "Orange", "O2"}},
        {"Slovenia", {"Mobitel"}},
        {"South Africa", {"Cell C", "Vodacom", "MTN"}},
        {"Spain", {"Vodafone", "Amena", "Telefonica", "Movistar"}},
        {"Sweden", {"Telenor", "Telia", "Tele2"}},
        {"Turkey", {"Avea"}},
        {"Ukraine", {"KiyvStar", "MTS", "LIFE", "Beeline UA"}},
        {"United Kingdom",
         {"Vodafone", "O2", "T-Mobile", "Orange", "3", "Virgin", "ASDA Mobile", "Tesco Mobile"}},
        {"United States", {"T-Mobile", "AT&T"}},
    };
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kGprsCountryCount));
    for (int c = 0; c < kGprsCountryCount; ++c) {
        const Country& country = expected[static_cast<std::size_t>(c)];
        EXPECT_EQ(GprsCountryName(c), country.name);
        std::vector<std::string_view> operators;
        for (int o = 0; o < GprsOperatorCount(c); ++o) {
            operators.push_back(GprsOperatorName(c, o));
        }
        EXPECT_EQ(operators, country.operators) << country.name;
    }
}

TEST(GprsOperatorTable, PositionsOutsideTheListsFindNothing) {
    for (const int c : {-1, kGprsCountryCount}) {
        EXPECT_EQ(GprsCountryName(c), "");
        EXPECT_EQ(GprsOperatorCount(c), 0);
        EXPECT_EQ(GprsOperatorName(c, 0), "");
        EXPECT_EQ(GprsOperatorAccessPoint(c, 0).apn, "");
    }
    // Brazil lists two operators; its third row and a list without selection find nothing.
    for (const int o : {-1, 2, kGprsOperatorRows}) {
        EXPECT_EQ(GprsOperatorName(1, o), "");
        const GprsAccessPoint accessPoint = GprsOperatorAccessPoint(1, o);
        EXPECT_EQ(accessPoint.apn, "");
        EXPECT_EQ(accessPoint.account, "");
        EXPECT_EQ(accessPoint.password, "");
    }
}

}  // namespace
