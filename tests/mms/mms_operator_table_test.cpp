#include "mms/mms_operator_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct ExpectedCountry {
    std::string_view name;
    std::vector<std::string_view> operators;
};

// The Country and Operator lists exactly as the owner must see them, in list order.
const std::vector<ExpectedCountry> kExpectedCountries = {
    {"Australia", {"Optus", "Telstra", "Mic1", "Vodafone", "Three", "Virgin"}},
    {"Brazil", {"Brazil Telecom", "Claro"}},
    {"Bulgaria", {"Globul", "Mtel", "Vivacom"}},
    {"Canada", {"Fido", "Rogers"}},
    {"China", {"China Mobile", "China Unicom"}},
    {"Croatia", {"VIPNet", "T-Mobile HR"}},
    {"Czech Republic", {"O2", "T-Mobile", "Vodafone"}},
    {"Denmark", {"TDC", "Sonofon"}},
    {"Deutschland", {"VodaFone", "T-Mobile", "E-Plus", "O2", "otelo"}},
    {"Egypt", {"MobilNil", "Vodafone"}},
    {"Estonia", {"EMT", "ELISA", "TELE2"}},
    {"Finland", {"Alands", "DNA", "Sonera", "Elisa"}},
    {"France", {"SFR", "FREE", "Bouygues", "Orange"}},
    {"Greece", {"T-Cosmate", "Vodafone"}},
    {"Hungary", {"PannonGSM", "T-Mobile", "Vodafone"}},
    {"India", {"Idea", "CellOne", "BPL", "Airtel"}},
    {"Ireland", {"Meteor", "Vodafone"}},
    {"Italy", {"TIM", "Vodafone"}},
    {"Latvia", {"TELE2", "LMT", "BITE"}},
    {"Lithuania", {"Omnitel", "Omnitel Ezio", "Tele2 Pildyk"}},
    {"Namibia", {"MTC"}},
    {"Netherlands", {"T-Mobile", "Vodafone"}},
    {"New Zealand", {"Vodafone"}},
    {"Norway", {"Netcom", "Telenor", "Onecall", "Chess", "Tele2", "Talkmore"}},
    {"Oesterreich", {"A1", "T-Mobile"}},
    {"Poland", {"ERA", "Orange"}},
    {"Portugal", {"Optimus", "Vodafone"}},
    {"Romania", {"Orange"}},
    {"Russia", {"A Mobile", "Beeline", "MEGAPHONE", "MTC(MTS)"}},
    {"Schweiz", {"Orange", "Sunrise", "Swisscom"}},
    {"Slovakia", {"T-Mobile", "Orange", "O2"}},
    {"Slovenia", {"Mobitel", "Izi Mobil", "Si Mobil"}},
    {"South Africa", {"Cell C", "Virgin", "MTN"}},
    {"Spain", {"Orange", "Vodafone", "Telstra", "Movistar"}},
    {"Sweden", {"Telenor", "Telia"}},
    {"Turkey", {"Avea"}},
    {"Ukraine", {"Kyivstar", "MTS", "LIFE", "Beeline UA"}},
    {"United Kingdom",
     {"Vodafone", "O2", "O2 Payandgo", "Orange", "3", "Virgin", "Vodafone Prepay", "BT Mobile",
      "ASDA Mobile"}},
    {"United States", {"AT&T Wireless", "T-Mobile"}},
};

TEST(MmsOperatorTable, ListsEveryCountryAndOperatorByPositionAsStored) {
    ASSERT_EQ(kMmsCountryCount, static_cast<int>(kExpectedCountries.size()));
    for (int c = 0; c < kMmsCountryCount; ++c) {
        const ExpectedCountry& expected = kExpectedCountries[static_cast<std::size_t>(c)];
        EXPECT_EQ(MmsCountryName(c), expected.name) << "country " << c;
        ASSERT_EQ(MmsOperatorCount(c), static_cast<int>(expected.operators.size()))
            << expected.name;
        for (int o = 0; o < MmsOperatorCount(c); ++o) {
            EXPECT_EQ(MmsOperatorName(c, o), expected.operators[static_cast<std::size_t>(o)])
                << expected.name << " row " << o;
        }
    }
}

TEST(MmsOperatorTable, SameNameInTwoCountriesGivesEachCountrysOwnRow) {
    ASSERT_EQ(MmsCountryName(17), "Italy");
    ASSERT_EQ(MmsOperatorName(17, 1), "Vodafone");
    const MmsNetworkValues italy = MmsOperatorNetwork(17, 1);
    EXPECT_EQ(italy.url, "http://mms.vodafone.it/servlets/mms");
    EXPECT_EQ(italy.apn, "mms.vodafone.it");
    EXPECT_EQ(italy.gateway, "10.128.224.10");
    EXPECT_EQ(italy.port, "80");

    ASSERT_EQ(MmsOperatorName(37, 0), "Vodafone");
    EXPECT_EQ(MmsOperatorNetwork(37, 0).apn, "wap.vodafone.co.uk");
}

TEST(MmsOperatorTable, EmptyAccountAndPasswordStayEmpty) {
    ASSERT_EQ(MmsOperatorName(0, 0), "Optus");
    const MmsNetworkValues optus = MmsOperatorNetwork(0, 0);
    EXPECT_EQ(optus.url, "http://mmsc.optus.com.au:8002/");
    EXPECT_EQ(optus.account, "");
    EXPECT_EQ(optus.password, "");
}

TEST(MmsOperatorTable, PositionsOutsideTheListsGiveNothing) {
    EXPECT_EQ(MmsCountryName(-1), "");
    EXPECT_EQ(MmsCountryName(39), "");
    EXPECT_EQ(MmsOperatorCount(39), 0);
    ASSERT_EQ(MmsOperatorCount(20), 1);
    EXPECT_EQ(MmsOperatorName(20, 1), "");
    EXPECT_EQ(MmsOperatorName(20, -1), "");
    EXPECT_EQ(MmsOperatorNetwork(20, 1).url, "");
    EXPECT_EQ(MmsOperatorNetwork(-1, 0).apn, "");
}

bool IsDecimal(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
           value >= low && value <= high;
}

bool IsDottedQuad(std::string_view text) {
    int parts = 0;
    while (true) {
        const std::size_t dot = text.find('.');
        ++parts;
        if (!IsDecimal(text.substr(0, dot), 0, 255) || parts > 4) {
            return false;
        }
        if (dot == std::string_view::npos) {
            return parts == 4;
        }
        text.remove_prefix(dot + 1);
    }
}

// Dot-separated labels of letters, digits and hyphens, as the network takes an access point.
bool IsAccessPointName(std::string_view text) {
    return !text.empty() && text.front() != '.' && text.back() != '.' &&
           text.find("..") == std::string_view::npos &&
           std::all_of(text.begin(), text.end(), [](char ch) {
               return std::isalnum(static_cast<unsigned char>(ch)) != 0 || ch == '.' || ch == '-';
           });
}

// A mistyped gateway or port is only found by the camera failing to send, so every row is
// checked for the forms its column has. Operators without published settings hold no values;
// one without a published gateway holds none, and Auto mode refuses both.
TEST(MmsOperatorTable, NetworkValuesHaveTheirColumnsForms) {
    std::set<std::string> withoutSettings;
    std::set<std::string> withoutGateway;
    for (int c = 0; c < kMmsCountryCount; ++c) {
        for (int o = 0; o < MmsOperatorCount(c); ++o) {
            const MmsNetworkValues row = MmsOperatorNetwork(c, o);
            const std::string where =
                std::string(MmsCountryName(c)) + "/" + std::string(MmsOperatorName(c, o));
            for (std::string_view text :
                 {row.url, row.apn, row.gateway, row.port, row.account, row.password}) {
                EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                                        [](char ch) { return ch >= 0x20 && ch <= 0x7E; }))
                    << where << " " << text;
            }
            if (row.url.empty()) {
                withoutSettings.insert(where);
                EXPECT_TRUE(row.apn.empty() && row.gateway.empty() && row.port.empty()) << where;
                continue;
            }
            EXPECT_EQ(row.url.substr(0, 7), "http://") << where;
            EXPECT_EQ(row.url.find(' '), std::string_view::npos) << where << " " << row.url;
            EXPECT_TRUE(IsAccessPointName(row.apn)) << where << " " << row.apn;
            if (row.gateway.empty()) {
                withoutGateway.insert(where);
                EXPECT_TRUE(row.port.empty()) << where;
                continue;
            }
            EXPECT_TRUE(IsDottedQuad(row.gateway)) << where << " " << row.gateway;
            EXPECT_TRUE(IsDecimal(row.port, 1, 65535)) << where << " " << row.port;
        }
    }
    EXPECT_EQ(withoutSettings, (std::set<std::string>{"Australia/Mic1", "Namibia/MTC",
                                                      "Russia/A Mobile", "Spain/Telstra"}));
    EXPECT_EQ(withoutGateway, (std::set<std::string>{"France/FREE", "United States/T-Mobile"}));
}

}  // namespace
