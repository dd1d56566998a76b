#include "smtp/gprs_operator_table.h"

#include <algorithm>
#include <iterator>

#include "core/operator_rows.h"

// The operators' published settings for their GPRS internet access. A text too long for its
// field does not compile, since it would leave no room for the terminating zero.
//
// Data note: every row is held against two public access-point lists, LineageOS's
// (android_vendor_lineage, prebuilt/common/etc/apns-conf.xml, revision 08343528) and AOSP's
// (device/sample, etc/apns-full-conf.xml, revision d64a03ec), each row against the internet
// (type "default") entries of its network, which gprs_operator_networks.txt beside this file
// gives by country and network code. tools/operator-data.py names the entry that holds each
// row's values, and fails on a row that none holds unless it is noted below. Brands on another
// operator's network take that network's values (otelo Vodafone's, T-Mobile UK EE's). An access
// point listed only for tethering (type "dun") does not count: Movistar's movistar.es is one.
// Where entries compete, a row takes the one that is plainly the operator's current one: Brazil
// Telecom, now Oi, LineageOS's with Oi's user and password; MTN South Africa myMTN with the
// user and password that both lists give.
//
// Known differences, one a row as "- Country / Operator: FIELDS: reason", FIELDS naming the
// values that the row keeps against every entry of its network; in every other value the row
// agrees with one entry.
//   - India / BPL: account, password: BPL's entries ask for the subscriber's own number as user
//     ("MSISDN"), which no table can hold, so the row has no user and no password.
//   - Namibia / MTC: apn: the lists give MTC's access point as "default", AOSP's placeholder for
//     none; the row keeps MTC's "internet".
constexpr GprsCountryEntry GprsOperatorTable[kGprsCountryCount] = {
    {"Australia",
     5,
     {{"Optus", "internet", "", ""},
      {"Telstra", "telstra.internet", "", ""},
      {"Vodafone", "vfinternet.au", "", ""},
      {"Three", "3netaccess", "", ""},
      {"Virgin", "VirginInternet", "", ""}}},
    {"Brazil",
     2,
     {{"Brazil Telecom", "gprs.oi.com.br", "oi", "oi"},
      {"Claro", "java.claro.com.br", "claro", "claro"}}},
    {"Bulgaria",
     3,
     {{"Globul", "telenor", "telenor", ""},
      {"Mtel", "inet-gprs.mtel.bg", "", ""},
      {"Vivacom", "internet.vivacom.bg", "VIVACOM", "VIVACOM"}}},
    {"Canada", 2, {{"Fido", "ltemobile.apn", "", ""}, {"Rogers", "ltemobile.apn", "", ""}}},
    {"China", 2, {{"China Mobile", "cmnet", "", ""}, {"China Unicom", "uninet", "", ""}}},
    {"Croatia", 1, {{"VIPNet", "gprs0.vipnet.hr", "", ""}}},
    {"Czech Republic",
     3,
     {{"O2", "internet", "", ""},
      {"T-Mobile", "internet.t-mobile.cz", "wap", "wap"},
      {"Vodafone", "internet", "", ""}}},
    {"Denmark", 1, {{"TDC", "internet", "", ""}}},
    {"Deutschland",
     7,
     {{"Bild-Vodafone", "web.vodafone.de", "", ""},
      {"Vodafone", "web.vodafone.de", "", ""},
      {"T-Mobile", "internet.telekom", "telekom", "telekom"},
      {"E-Plus", "internet.eplus.de", "eplus", "internet"},
      {"O2", "internet", "", ""},
      {"otelo", "web.vodafone.de", "", ""},
      {"VORLANE SIM", "internet", "", ""}}},
    {"Egypt",
     2,
     {{"MobiNil", "mobinilweb", "", ""},
      {"Vodafone", "internet.vodafone.net", "internet", "internet"}}},
    {"Estonia",
     3,
     {{"EMT", "internet.emt.ee", "", ""},
      {"ELISA", "internet", "", ""},
      {"TELE2", "internet.tele2.ee", "wap", "wap"}}},
    {"Finland",
     4,
     {{"DNA", "internet", "", ""},
      {"Sonera", "internet", "", ""},
      {"Elisa", "internet", "", ""},
      {"Radiolinja", "internet", "", ""}}},
    {"France",
     4,
     {{"SFR", "websfr", "", ""},
      {"FREE", "free", "", ""},
      {"Bouygues", "ebouygtel.com", "", ""},
      {"Orange", "orange.fr", "orange", "orange"}}},
    {"Greece",
     2,
     {{"T-Cosmate", "internet", "", ""}, {"Vodafone", "internet.vodafone.gr", "", ""}}},
    {"Hungary",
     2,
     {{"Vodafone", "internet.vodafone.net", "", ""}, {"Pannon(contract)", "net", "", ""}}},
    {"India",
     4,
     {{"Idea", "internet", "", ""},
      {"BPL", "www", "", ""},
      {"Airtel", "airtelgprs.com", "", ""},
      {"VodaFone", "www", "", ""}}},
    {"Ireland",
     2,
     {{"Meteor", "data.mymeteor.ie", "", ""}, {"Vodafone", "live.vodafone.com", "", ""}}},
    {"Italy", 2, {{"TIM", "ibox.tim.it", "", ""}, {"Vodafone", "mobile.vodafone.it", "", ""}}},
    {"Latvia",
     3,
     {{"TELE2", "internet.tele2.lv", "wap", "wap"},
      {"LMT", "internet.lmt.lv", "", ""},
      {"BITE", "internet", "", ""}}},
    {"Lithuania", 1, {{"Omnitel", "omnitel", "omni", "omni"}}},
    {"Namibia", 1, {{"MTC", "internet", "", ""}}},
    {"Netherlands",
     2,
     {{"T-Mobile", "internet", "", ""}, {"Vodafone", "live.vodafone.com", "vodafone", "vodafone"}}},
    {"New Zealand", 1, {{"Vodafone", "www.vodafone.net.nz", "", ""}}},
    {"Norway", 2, {{"Netcom", "netcom", "", ""}, {"Telenor", "telenor.smart", "", ""}}},
    {"Oesterreich",
     2,
     {{"A1", "A1.net", "ppp@a1plus.at", "ppp"},
      {"T-Mobile", "internet.t-mobile.at", "t-mobile", "tm"}}},
    {"Poland",
     2,
     {{"ERA", "erainternet", "erainternet", "erainternet"},
      {"Orange", "internet", "internet", "internet"}}},
    {"Portugal",
     2,
     {{"Optimus", "umts", "", ""}, {"Vodafone", "net2.vodafone.pt", "vodafone", "vodafone"}}},
    {"Romania", 1, {{"Orange", "net", "", ""}}},
    {"Russia",
     2,
     {{"Beeline", "internet.beeline.ru", "beeline", "beeline"},
      {"MTS", "internet.mts.ru", "mts", "mts"}}},
    {"Schweiz",
     3,
     {{"Orange", "internet", "", ""},
      {"Sunrise", "internet", "", ""},
      {"Swisscom", "gprs.swisscom.ch", "", ""}}},
    {"Slovakia",
     3,
     {{"T-Mobile", "internet", "", ""},
      {"Orange", "internet", "", ""},
      {"O2", "o2internet", "", ""}}},
    {"Slovenia", 1, {{"Mobitel", "internet", "mobitel", "internet"}}},
    {"South Africa",
     3,
     {{"Cell C", "internet", "", ""},
      {"Vodacom", "internet", "", ""},
      {"MTN", "myMTN", "mtnwap", "mtnwap"}}},
    {"Spain",
     4,
     {{"Vodafone", "airtelwap.es", "wap@wap", "wap125"},
      {"Amena", "orangeworld", "orange", "orange"},
      {"Telefonica", "telefonica.es", "telefonica", "telefonica"},
      {"Movistar", "telefonica.es", "telefonica", "telefonica"}}},
    {"Sweden",
     3,
     {{"Telenor", "internet.telenor.se", "", ""},
      {"Telia", "online.telia.se", "", ""},
      {"Tele2", "4g.tele2.se", "", ""}}},
    {"Turkey", 1, {{"Avea", "internet", "wap", "wap"}}},
    {"Ukraine",
     4,
     {{"KiyvStar", "www.kyivstar.net", "", ""},
      {"MTS", "internet", "", ""},
      {"LIFE", "internet", "", ""},
      {"Beeline UA", "internet.beeline.ua", "", ""}}},
    {"United Kingdom",
     8,
     {{"Vodafone", "internet", "web", "web"},
      {"O2", "mobile.o2.co.uk", "o2web", "password"},
      {"T-Mobile", "everywhere", "eesecure", "secure"},
      {"Orange", "orangeinternet", "", ""},
      {"3", "three.co.uk", "", ""},
      {"Virgin", "goto.virginmobile.uk", "user", ""},
      {"ASDA Mobile", "everywhere", "eesecure", "secure"},
      {"Tesco Mobile", "prepay.tesco-mobile.com", "tescowap", "password"}}},
    {"United States", 2, {{"T-Mobile", "fast.t-mobile.com", "", ""}, {"AT&T", "phone", "", ""}}},
};

namespace {

constexpr bool IsEmpty(const GprsOperatorEntry& row) {
    return row.name[0] == '\0' && row.apn[0] == '\0' && row.account[0] == '\0' &&
           row.password[0] == '\0';
}

// Every country offers 1 to 10 operators, each named and with an access point name, and the
// rows beyond its count are empty: the lists never show an empty item, and the lookup of a
// listed operator always finds a real row.
constexpr bool IsConsistent(const GprsCountryEntry& country) {
    if (country.name[0] == '\0' || country.operatorCount < 1 ||
        country.operatorCount > kGprsOperatorRows) {
        return false;
    }
    for (int i = 0; i < kGprsOperatorRows; ++i) {
        const GprsOperatorEntry& row = country.operators[i];
        const bool listed = i < country.operatorCount;
        if (listed ? row.name[0] == '\0' || row.apn[0] == '\0' : !IsEmpty(row)) {
            return false;
        }
    }
    return true;
}

static_assert(std::all_of(std::begin(GprsOperatorTable), std::end(GprsOperatorTable),
                          IsConsistent));

constexpr OperatorTable kTable{GprsOperatorTable};

}  // namespace

std::string_view GprsCountryName(int country) {
    return kTable.CountryName(country);
}

int GprsOperatorCount(int country) {
    return kTable.OperatorCount(country);
}

std::string_view GprsOperatorName(int country, int operatorIndex) {
    return kTable.OperatorName(country, operatorIndex);
}

GprsAccessPoint GprsOperatorAccessPoint(int country, int operatorIndex) {
    const GprsOperatorEntry* row = kTable.RowAt(country, operatorIndex);
    if (row == nullptr) {
        return {};
    }
    return {TableFieldText(row->apn), TableFieldText(row->account), TableFieldText(row->password)};
}
