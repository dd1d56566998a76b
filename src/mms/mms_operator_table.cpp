#include "mms/mms_operator_table.h"

#include <cstddef>
#include <iterator>

#include "core/operator_rows.h"

// Every value is the operator's published MMS setting: centre URL, access point, WAP gateway
// and its port, user and password. Brands that run on another operator's network (O2 Payandgo,
// Vodafone Prepay, Omnitel Ezio, Izi Mobil, Talkmore, otelo, ASDA Mobile, BT Mobile ...) carry
// that network's values where none of their own are published. Auto mode refuses a row without
// centre, access point, gateway or port, and the owner types the operator's settings in Manual
// mode.
//
// Data note: every row is held against two public access-point lists, LineageOS's
// (android_vendor_lineage, prebuilt/common/etc/apns-conf.xml, revision 08343528) and AOSP's
// (device/sample, etc/apns-full-conf.xml, revision d64a03ec), each row against the entries of
// type "mms" of its network, which mms_operator_networks.txt beside this file gives by country
// and network code. tools/operator-data.py names the entry that holds each row's six values, and
// fails on a row that none holds unless it is noted below. Where entries compete, a row takes
// the one that is plainly the operator's current one and fits its fields: for LIFE, LineageOS's
// lifecell entry; for Beeline UA, LineageOS's, which gives the values of Kyivstar, whose network
// it now is; for Telenor and Talkmore in Norway, AOSP's, since LineageOS's names the proxy by
// host name; for Chess, its own entry rather than NetCom's; for Orange UK, that of network code
// 34, which the row holds whole (code 33's gives port 8081 and no user). The lists give FREE and
// T-Mobile US no MMS proxy, which the camera needs, so their rows have none.
//
// Known differences, one a row as "- Country / Operator: FIELDS: reason", FIELDS naming the
// values that the row keeps against every entry of its network ("network" where the lists have
// no entry for it); in every other value the row agrees with one entry.
//   - Australia / Mic1: network: neither list knows Mic1; the row has no values.
//   - Namibia / MTC: network: the lists know MTC's data connection only; the row has no values.
//   - Russia / A Mobile: network: neither list knows A Mobile; the row has no values.
//   - Spain / Telstra: network: neither list knows a Telstra in Spain; the row has no values.
//   - Canada / Fido: gateway: the lists name Fido's MMS proxy by its host name only,
//     mmsproxy.fido.ca, where the camera takes a dotted-decimal address; the row keeps the
//     address of Fido's earlier published settings.
//   - Canada / Rogers: gateway: the lists name Rogers' MMS proxy by its host name only,
//     mmsproxy.rogers.com; the row keeps the address of Rogers' earlier published settings.
//   - India / BPL: account, password: BPL's entries ask for the subscriber's own number as user
//     ("MSISDN"), which no table can hold, so the row has no user and no password.
//
// The table is a constant aggregate, so the compiler checks every text against its field: a
// string that leaves no room for its NUL cannot initialise the char array.
constexpr MmsCountryEntry MmsOperatorTable[kMmsCountryCount] = {
    {"Australia",
     6,
     {
         {"Optus", "http://mmsc.optus.com.au:8002/", "mms", "61.88.190.10", "8070", "", ""},
         {"Telstra", "http://mmsc.telstra.com:8002", "telstra.mms", "10.1.1.180", "80", "", ""},
         {"Mic1", "", "", "", "", "", ""},
         {"Vodafone", "http://pxt.vodafone.net.au/pxtsend", "live.vodafone.com", "10.202.2.60",
          "8080", "", ""},
         {"Three", "http://mmsc.three.net.au:10021/mmsc", "3services", "10.176.57.25", "8799", "",
          ""},
         {"Virgin", "http://mms.virginvibe.com.au:8002/", "virginmms", "202.139.83.152", "8070", "",
          ""},
     }},
    {"Brazil",
     2,
     {
         {"Brazil Telecom", "http://200.222.42.204:8002/", "mmsgprs.oi.com.br", "192.168.10.50",
          "3128", "oimms", "oioioi"},
         {"Claro", "http://mms.claro.com.br", "mms.claro.com.br", "200.169.126.10", "8799", "claro",
          "claro"},
     }},
    {"Bulgaria",
     3,
     {
         {"Globul", "http://mmsc1.mms.globul.bg:8002", "mms.globul.bg", "192.168.87.11", "8004",
          "mms", ""},
         {"Mtel", "http://mmsc/", "mms-gprs.mtel.bg", "10.150.0.33", "8080", "mtel", "mtel"},
         {"Vivacom", "http://mmsc.vivacom.bg", "mms.vivacom.bg", "192.168.123.123", "8080", "mms",
          "mms"},
     }},
    {"Canada",
     2,
     {
         {"Fido", "http://mms.fido.ca", "ltemobile.apn", "205.151.11.13", "80", "", ""},
         {"Rogers", "http://mms.gprs.rogers.com", "ltemobile.apn", "10.128.1.69", "80", "", ""},
     }},
    {"China",
     2,
     {
         {"China Mobile", "http://mmsc.monternet.com", "cmwap", "10.0.0.172", "80", "", ""},
         {"China Unicom", "http://mmsc.myuni.com.cn", "uniwap", "10.0.0.172", "80", "", ""},
     }},
    {"Croatia",
     2,
     {
         {"VIPNet", "http://mms.vipnet.hr/servlets/mms", "mms.vipnet.hr", "212.91.99.91", "8080",
          "", ""},
         {"T-Mobile HR", "http://mms.t-mobile.hr/servlets/mms", "mms.htgprs", "10.12.0.4", "8080",
          "", ""},
     }},
    {"Czech Republic",
     3,
     {
         {"O2", "http://mms.o2active.cz:8002", "mms", "160.218.160.218", "8080", "", ""},
         {"T-Mobile", "http://mms", "mms.t-mobile.cz", "10.0.0.10", "80", "mms", "mms"},
         {"Vodafone", "http://mms", "mms", "10.11.10.111", "80", "mms", "mms"},
     }},
    {"Denmark",
     2,
     {
         {"TDC", "http://mmsc.tdc.dk:8002", "mms", "194.182.251.15", "8080", "", ""},
         {"Sonofon", "http://mms.telenor.dk", "telenor", "212.88.64.8", "8080", "", ""},
     }},
    {"Deutschland",
     5,
     {
         {"VodaFone", "http://139.7.24.1/servlets/mms", "event.vodafone.de", "139.7.29.17", "80",
          "", ""},
         {"T-Mobile", "http://mms.t-mobile.de/servlets/mms", "internet.telekom", "109.237.176.193",
          "8008", "telekom", "telekom"},
         {"E-Plus", "http://mms/eplus/", "mms.eplus.de", "212.23.97.153", "5080", "mms", "eplus"},
         {"O2", "http://10.81.0.7:8002", "internet", "82.113.100.5", "8080", "", ""},
         {"otelo", "http://139.7.24.1/servlets/mms", "event.vodafone.de", "139.7.29.17", "80", "",
          ""},
     }},
    {"Egypt",
     2,
     {
         {"MobilNil", "http://10.7.13.24:8002/", "mobinilmms", "62.241.155.45", "8080", "", ""},
         {"Vodafone", "http://mms.vodafone.com.eg/servlets/mms", "mms.vodafone.com.eg",
          "163.121.178.2", "8080", "mms", "mms"},
     }},
    {"Estonia",
     3,
     {
         {"EMT", "http://mms.emt.ee/servlets/mms", "mms.emt.ee", "217.71.32.82", "8080", "", ""},
         {"ELISA", "http://194.204.2.10", "mms", "194.204.2.6", "8080", "", ""},
         {"TELE2", "http://mmsc.tele2.ee", "mms.tele2.ee", "193.12.40.6", "8080", "", ""},
     }},
    {"Finland",
     4,
     {
         {"Alands", "http://mms.amt.aland.fi", "mms", "194.110.177.70", "8080", "", ""},
         {"DNA", "http://mmsc.dnafinland.fi/", "mms", "10.1.1.2", "8080", "dna", "mms"},
         {"Sonera", "http://mms.sonera.fi:8002", "wap.sonera.net", "195.156.25.33", "80", "", ""},
         {"Elisa", "http://mms.elisa.fi", "mms", "213.161.41.57", "80", "", ""},
     }},
    {"France",
     4,
     {
         {"SFR", "http://mms1", "mmssfr", "10.151.0.1", "8080", "", ""},
         {"FREE", "http://mms.free.fr", "mmsfree", "", "", "", ""},
         {"Bouygues", "http://mms.bouyguestelecom.fr/mms/wapenc", "mmsbouygtel.com",
          "62.201.129.226", "8080", "", ""},
         {"Orange", "http://mms.orange.fr", "orange.acte", "192.168.10.200", "8080", "orange",
          "orange"},
     }},
    {"Greece",
     2,
     {
         {"T-Cosmate", "http://mmsc.cosmote.gr:8002", "mms", "10.10.10.20", "8080", "", ""},
         {"Vodafone", "http://mms.vodafone.gr", "mms.vodafone.net", "213.249.19.49", "5080", "user",
          "pass"},
     }},
    {"Hungary",
     3,
     {
         {"PannonGSM", "http://mmsc.pgsm.hu/", "mms", "193.225.154.22", "8080", "", ""},
         {"T-Mobile", "http://mms.t-mobile.hu/servlets/mms", "mms", "212.51.126.10", "8080", "mms",
          "mms"},
         {"Vodafone", "http://mms.vodafone.hu/servlets/mms", "mms.vodafone.net", "80.244.97.2",
          "8080", "", ""},
     }},
    {"India",
     4,
     {
         {"Idea", "http://10.4.42.21:8002", "mmsc", "10.4.42.15", "8080", "", ""},
         {"CellOne", "http://bsnlmmsc.in:8514", "bsnlmms", "10.210.10.11", "8080", "", ""},
         {"BPL", "http://mms.bplmobile.com:8080", "mizone", "10.0.0.10", "8080", "", ""},
         {"Airtel", "http://100.1.201.171:10021/mmsc", "airtelmms.com", "100.1.201.172", "8799", "",
          ""},
     }},
    {"Ireland",
     2,
     {
         {"Meteor", "http://mms.mymeteor.ie", "mms.mymeteor.ie", "10.85.85.85", "8799", "my",
          "meteor"},
         {"Vodafone", "http://www.vodafone.ie/mms", "mms.vodafone.net", "10.24.59.200", "80", "",
          ""},
     }},
    {"Italy",
     2,
     {
         {"TIM", "http://mms.tim.it/servlets/mms", "mms.tim.it", "213.230.130.89", "80", "", ""},
         {"Vodafone", "http://mms.vodafone.it/servlets/mms", "mms.vodafone.it", "10.128.224.10",
          "80", "", ""},
     }},
    {"Latvia",
     3,
     {
         {"TELE2", "http://mmsc.tele2.lv/", "mms.tele2.lv", "193.12.40.38", "8080", "wap", "wap"},
         {"LMT", "http://mmsc.lmt.lv/mmsc", "internet.lmt.lv", "212.93.97.201", "8080", "", ""},
         {"BITE", "http://mmsc/servlets/mms", "mms", "192.168.150.2", "8080", "mms@mms", ""},
     }},
    {"Lithuania",
     3,
     {
         {"Omnitel", "http://mms.omnitel.net:8002/", "gprs.mms.lt", "194.176.32.149", "8080", "mms",
          "mms"},
         {"Omnitel Ezio", "http://mms.omnitel.net:8002/", "gprs.mms.lt", "194.176.32.149", "8080",
          "mms", "mms"},
         {"Tele2 Pildyk", "http://mmsc.tele2.lt/", "mms.tele2.lt", "193.12.40.29", "8080", "", ""},
     }},
    {"Namibia",
     1,
     {
         {"MTC", "", "", "", "", "", ""},
     }},
    {"Netherlands",
     2,
     {
         {"T-Mobile", "http://t-mobilemms", "mms", "10.10.10.11", "8080", "tmobilemms",
          "tmobilemms"},
         {"Vodafone", "http://mmsc.mms.vodafone.nl", "live.vodafone.com", "192.168.251.150", "8799",
          "vodafone", "vodafone"},
     }},
    {"New Zealand",
     1,
     {
         {"Vodafone", "http://pxt.vodafone.net.nz/pxtsend", "live.vodafone.com", "172.30.38.3",
          "8080", "", ""},
     }},
    {"Norway",
     6,
     {
         {"Netcom", "http://mm/", "netcom", "212.169.66.4", "8080", "", ""},
         {"Telenor", "http://mmsc/", "telenor", "10.10.10.11", "8080", "", ""},
         {"Onecall", "http://mms.nwn.no", "mms", "188.149.250.10", "80", "", ""},
         {"Chess", "http://mm/", "netcom", "212.169.66.4", "8080", "mms", "netcom"},
         {"Tele2", "http://mmsc.tele2.no", "internet.tele2.no", "193.12.40.14", "8080", "", ""},
         {"Talkmore", "http://mmsc/", "telenor", "10.10.10.11", "8080", "", ""},
     }},
    {"Oesterreich",
     2,
     {
         {"A1", "http://mmsc.a1.net", "free.A1.net", "194.48.124.71", "8001", "ppp@a1plus.at",
          "ppp"},
         {"T-Mobile", "http://mmsc.t-mobile.at/servlets/mms", "gprsmms", "10.12.0.20", "80",
          "t-mobile", "tm"},
     }},
    {"Poland",
     2,
     {
         {"ERA", "http://mms.era.pl/servlets/mms", "eramms", "213.158.194.226", "8080", "eramms",
          "eramms"},
         {"Orange", "http://mms.orange.pl", "mms", "192.168.6.104", "8080", "mms", "mms"},
     }},
    {"Portugal",
     2,
     {
         {"Optimus", "http://mmsc:10021/mmsc", "umts", "62.169.66.5", "8799", "", ""},
         {"Vodafone", "http://mms/servlets/mms", "vas.vodafone.pt", "213.30.27.63", "8799", "vas",
          "vas"},
     }},
    {"Romania",
     1,
     {
         {"Orange", "http://wap.mms.orange.ro:8002", "mms", "62.217.247.252", "8799", "", ""},
     }},
    {"Russia",
     4,
     {
         {"A Mobile", "", "", "", "", "", ""},
         {"Beeline", "http://mms/", "mms.beeline.ru", "192.168.94.23", "8080", "beeline",
          "beeline"},
         {"MEGAPHONE", "http://mmsc:8002", "mms", "10.10.10.10", "8080", "mms", "mms"},
         {"MTC(MTS)", "http://mmsc", "mms.mts.ru", "192.168.192.192", "8080", "mts", "mts"},
     }},
    {"Schweiz",
     3,
     {
         {"Orange", "http://192.168.151.3:8002", "mms", "192.168.151.2", "8080", "", ""},
         {"Sunrise", "http://mmsc.sunrise.ch", "mms.sunrise.ch", "212.35.34.75", "8080", "", ""},
         {"Swisscom", "http://mms.natel.ch:8079", "event.swisscom.ch", "192.168.210.2", "8080", "",
          ""},
     }},
    {"Slovakia",
     3,
     {
         {"T-Mobile", "http://mms", "mms", "192.168.1.1", "8080", "mms", "mms"},
         {"Orange", "http://imms.orange.sk", "mms", "213.151.208.145", "8799", "wap", "wap"},
         {"O2", "http://mms.o2world.sk:8002", "o2mms", "10.97.1.11", "8080", "", ""},
     }},
    {"Slovenia",
     3,
     {
         {"Mobitel", "http://mms.mobitel.si/servlets/mms", "internet", "213.229.249.40", "8080",
          "mobitel", "internet"},
         {"Izi Mobil", "http://mms.mobitel.si/servlets/mms", "internet", "213.229.249.40", "8080",
          "mobitel", "internet"},
         {"Si Mobil", "http://mmc", "mms.simobil.si", "80.95.224.46", "9201", "simobil",
          "internet"},
     }},
    {"South Africa",
     3,
     {
         {"Cell C", "http://mms.cmobile.co.za", "mms", "196.31.116.250", "8080", "", ""},
         {"Virgin", "http://mms.virginmobile.co.za", "vmms", "196.31.116.242", "8080", "", ""},
         {"MTN", "http://mms.mtn.co.za/mms/wapenc", "myMTN", "196.11.240.241", "8080", "mtnmms",
          "mtnmms"},
     }},
    {"Spain",
     4,
     {
         {"Orange", "http://mms.orange.es", "orangemms", "172.22.188.25", "8080", "orange",
          "orange"},
         {"Vodafone", "http://mmsc.vodafone.es/servlets/mms", "mms.vodafone.net", "212.73.32.10",
          "80", "wap@wap", "wap125"},
         {"Telstra", "", "", "", "", "", ""},
         {"Movistar", "http://mms.movistar.com", "telefonica.es", "10.138.255.5", "8080",
          "telefonica", "telefonica"},
     }},
    {"Sweden",
     2,
     {
         {"Telenor", "http://mms", "services.telenor.se", "172.30.253.241", "8799", "", ""},
         {"Telia", "http://mmss", "mms.telia.se", "193.209.134.132", "80", "", ""},
     }},
    {"Turkey",
     1,
     {
         {"Avea", "http://mms.avea.com.tr/servlets/mms", "mms", "213.161.151.201", "8080", "mms",
          "mms"},
     }},
    {"Ukraine",
     4,
     {
         {"Kyivstar", "http://mms.kyivstar.net", "mms.kyivstar.net", "10.10.10.10", "8080", "mms",
          "mms"},
         {"MTS", "http://mmsc:8002", "mms", "192.168.10.10", "8080", "", ""},
         {"LIFE", "http://mms.life", "mms", "10.10.10.10", "8080", "", ""},
         {"Beeline UA", "http://mms.kyivstar.net/", "mms.kyivstar.net", "10.10.10.10", "8080", "",
          ""},
     }},
    {"United Kingdom",
     9,
     {
         {"Vodafone", "http://mms.vodafone.co.uk/servlets/mms", "wap.vodafone.co.uk",
          "212.183.137.12", "8799", "wap", "wap"},
         {"O2", "http://mmsc.mms.o2.co.uk:8002", "wap.o2.co.uk", "193.113.200.195", "8080", "o2wap",
          "password"},
         {"O2 Payandgo", "http://mmsc.mms.o2.co.uk:8002", "payandgo.o2.co.uk", "193.113.200.195",
          "8080", "payandgo", "password"},
         {"Orange", "http://mms.orange.co.uk/", "orangemms", "192.168.224.10", "8080", "Orange",
          "Multimedia"},
         {"3", "http://mms.um.three.co.uk:10021/mmsc", "three.co.uk", "217.171.129.2", "8799", "",
          ""},
         {"Virgin", "http://mms.virginmobile.co.uk:8002", "goto.virginmobile.uk", "193.30.166.2",
          "8080", "user", ""},
         {"Vodafone Prepay", "http://mms.vodafone.co.uk/servlets/mms", "pp.vodafone.co.uk",
          "212.183.137.12", "8799", "wap", "wap"},
         {"BT Mobile", "http://mms/", "mms.bt.com", "149.254.201.135", "8080", "bt", "bt"},
         {"ASDA Mobile", "http://mms/", "eezone", "149.254.201.135", "8080", "eesecure", "secure"},
     }},
    {"United States",
     2,
     {
         {"AT&T Wireless", "http://mmsc.cingular.com", "wap.cingular", "66.209.11.32", "8080",
          "WAP@CINGULARGPRS.COM", "CINGULAR1"},
         {"T-Mobile", "http://mms.msg.eng.t-mobile.com/mms/wapenc", "fast.t-mobile.com", "", "", "",
          ""},
     }},
};

namespace {

constexpr bool CountsInRange() {
    for (const MmsCountryEntry& country : MmsOperatorTable) {
        if (country.operatorCount < 1 || country.operatorCount > kMmsOperatorRows) {
            return false;
        }
    }
    return true;
}

// Rows in use have names and rows past the count are unused, so the count and the listed rows
// agree.
constexpr bool CountsMatchNamedRows() {
    for (const MmsCountryEntry& country : MmsOperatorTable) {
        for (int row = 0; row < kMmsOperatorRows; ++row) {
            const bool named = country.operators[row].name[0] != '\0';
            if (named != (row < country.operatorCount)) {
                return false;
            }
        }
    }
    return true;
}

constexpr int RowsInUse() {
    int rows = 0;
    for (const MmsCountryEntry& country : MmsOperatorTable) {
        rows += country.operatorCount;
    }
    return rows;
}

static_assert(std::size(MmsOperatorTable) == 39);
static_assert(CountsInRange());
static_assert(CountsMatchNamedRows());
static_assert(RowsInUse() == 114);

constexpr OperatorTable kTable{MmsOperatorTable};

}  // namespace

std::string_view MmsCountryName(int country) {
    return kTable.CountryName(country);
}

int MmsOperatorCount(int country) {
    return kTable.OperatorCount(country);
}

std::string_view MmsOperatorName(int country, int operatorIndex) {
    return kTable.OperatorName(country, operatorIndex);
}

MmsNetworkValues MmsOperatorNetwork(int country, int operatorIndex) {
    const MmsOperatorEntry* entry = kTable.RowAt(country, operatorIndex);
    if (entry == nullptr) {
        return {};
    }
    return {TableFieldText(entry->url),     TableFieldText(entry->apn),
            TableFieldText(entry->gateway), TableFieldText(entry->port),
            TableFieldText(entry->account), TableFieldText(entry->password)};
}
