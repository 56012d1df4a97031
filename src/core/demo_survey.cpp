// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/demo_survey.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/text.h"

namespace tavoric {

namespace {

// splitmix64: small, fast and the same on every platform and library version.
class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from 0 to bound - 1.
    int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Percent(int chance) { return Below(100) < chance; }

private:
    std::uint64_t state_;
};

constexpr std::string_view kStart = "0600";
constexpr std::string_view kEnd = "1830";
constexpr int kBusyInterval = 15;

constexpr std::array<std::string_view, 12> kRouteNames = {
    "Centrum",    "Oude Haven", "Stationsgebied", "Marktkwartier", "Kerkbuurt",  "Molenwijk",
    "Vestingwal", "Singel",     "Raadhuisbuurt",  "Havenfront",    "Brinkzijde", "Lindenhof"};

constexpr std::array<std::string_view, 40> kStreetNames = {"Kerkstraat",
                                                           "Markt",
                                                           "Molenweg",
                                                           "Stationsplein",
                                                           "Dorpsstraat",
                                                           "Schoolstraat",
                                                           "Julianalaan",
                                                           "Wilhelminastraat",
                                                           "Beatrixlaan",
                                                           "Nieuwstraat",
                                                           "Hoofdstraat",
                                                           "Kastanjelaan",
                                                           "Eikenlaan",
                                                           "Beukenlaan",
                                                           "Lindelaan",
                                                           "Raadhuisplein",
                                                           "Havenkade",
                                                           "Brugstraat",
                                                           "Vismarkt",
                                                           "Grote Markt",
                                                           "Torenstraat",
                                                           "Achterom",
                                                           "Spoorstraat",
                                                           "Parallelweg",
                                                           "Oranjestraat",
                                                           "Prins Hendrikkade",
                                                           "Burgemeester de Vrieslaan",
                                                           "Emmaplein",
                                                           "Marktsteeg",
                                                           "Waterstraat",
                                                           "Korte Gracht",
                                                           "Lange Gracht",
                                                           "Zuidwal",
                                                           "Noordersingel",
                                                           "Kloosterstraat",
                                                           "Veerstraat",
                                                           "Begijnhof",
                                                           "Looierstraat",
                                                           "Sint Janstraat",
                                                           "Ridderstraat"};

// Place types with their weights; free places are by far the most common.
struct TypeWeight {
    char code;
    int weight;
};
constexpr std::array<TypeWeight, 10> kTypeWeights = {{{'V', 70},
                                                      {'P', 6},
                                                      {'B', 8},
                                                      {'G', 3},
                                                      {'M', 4},
                                                      {'A', 5},
                                                      {'I', 2},
                                                      {'1', 1},
                                                      {'2', 1},
                                                      {'3', 1}}};

std::string Number(int value) {
    return PadField("R", std::to_string(value), "0", 4);
}

char RandomType(DemoRandom& random) {
    int pick = random.Below(100);
    for (const TypeWeight& type : kTypeWeights) {
        if (pick < type.weight) {
            return type.code;
        }
        pick -= type.weight;
    }
    return 'V';
}

// A plate in one of the Dutch side-code patterns: 9 digit, X letter without vowels.
std::string RandomPlate(DemoRandom& random) {
    static constexpr std::array<std::string_view, 5> kPatterns = {"99XX99", "99XXX9", "9XXX99",
                                                                  "XX999X", "XXX99X"};
    static constexpr std::string_view kLetters = "BDFGHJKLNPRSTVXZ";
    std::string plate(kPatterns[static_cast<std::size_t>(random.Below(5))]);
    for (char& c : plate) {
        c = c == '9' ? static_cast<char>('0' + random.Below(10))
                     : kLetters[static_cast<std::size_t>(random.Below(16))];
    }
    return plate;
}

struct RoutePlan {
    std::string name;
    int interval;
    int places;
};

// Routes 1.. are the busy 15-minute routes; the last two are walked every 30 and 60 minutes
// and carry half and a quarter of a busy route's places.
std::vector<RoutePlan> PlanRoutes(int places) {
    const int routeCount = std::min(3 + places / 500, places);
    std::vector<RoutePlan> routes;
    for (int r = 0; r < routeCount; ++r) {
        const int fromEnd = routeCount - r;
        if (routeCount >= 3 && fromEnd <= 2) {
            routes.push_back({fromEnd == 2 ? "Woonwijk Noord" : "Bedrijventerrein Zuid",
                              fromEnd == 2 ? 30 : 60, 0});
            continue;
        }
        std::string name(kRouteNames[static_cast<std::size_t>(r) % kRouteNames.size()]);
        if (r >= static_cast<int>(kRouteNames.size())) {
            name += " " + std::to_string(r / static_cast<int>(kRouteNames.size()) + 1);
        }
        routes.push_back({name, kBusyInterval, 0});
    }
    // Weights in quarters: busy routes 4, the 30-minute route 2, the 60-minute route 1.
    std::vector<int> weights;
    int totalWeight = 0;
    for (const RoutePlan& route : routes) {
        weights.push_back(route.interval == 30 ? 2 : route.interval == 60 ? 1 : 4);
        totalWeight += weights.back();
    }
    int assigned = 0;
    for (std::size_t r = 0; r < routes.size(); ++r) {
        const long long share = static_cast<long long>(places - static_cast<int>(routes.size())) *
                                weights[r] / totalWeight;
        routes[r].places = 1 + static_cast<int>(share);
        assigned += routes[r].places;
    }
    routes.front().places += places - assigned;
    return routes;
}

// The observations of one place over its periods: stays of a few rounds, residents who stay
// all day, vehicles that come back, wrongly parked vehicles and blocked spells.
class PlaceObserver {
public:
    PlaceObserver(DemoRandom& random, char type) : random_(random), type_(type) {}

    struct Slot {
        std::string plate;
        char remark = ' ';
    };

    Slot Next() {
        if (stayRounds_ == 0 && blockedRounds_ == 0) {
            Depart();
            StartSomething();
        }
        if (blockedRounds_ > 0) {
            --blockedRounds_;
            return {"", 'B'};
        }
        if (stayRounds_ == 0) {
            return {};
        }
        --stayRounds_;
        return {plate_, wronglyParked_ ? 'F' : ' '};
    }

private:
    int ArrivalChance() const {
        switch (type_) {
            case 'P':
            case 'B':
                return 80;
            case 'I':
                return 15;
            case 'G':
                return 35;
            default:
                return 60;
        }
    }

    void Depart() {
        if (!plate_.empty()) {
            left_.push_back(plate_);
            plate_.clear();
        }
    }

    void StartSomething() {
        if (random_.Below(1000) < 8) {
            blockedRounds_ = random_.Between(2, 6);
            return;
        }
        if (!random_.Percent(ArrivalChance())) {
            return;
        }
        const bool returning = !left_.empty() && random_.Percent(25);
        plate_ =
            returning
                ? left_[static_cast<std::size_t>(random_.Below(static_cast<int>(left_.size())))]
                : RandomPlate(random_);
        const int kind = random_.Below(100);
        stayRounds_ = kind < 50   ? random_.Between(1, 2)
                      : kind < 85 ? random_.Between(3, 8)
                                  : random_.Between(15, 50);
        wronglyParked_ = random_.Percent(type_ == 'I' ? 60 : 3);
    }

    DemoRandom& random_;
    char type_;
    std::string plate_;
    std::vector<std::string> left_;
    int stayRounds_ = 0;
    int blockedRounds_ = 0;
    bool wronglyParked_ = false;
};

class DemoBuilder {
public:
    explicit DemoBuilder(const DemoOptions& options)
        : random_(options.seed), places_(std::clamp(options.places, 1, kMaxDemoPlaces)) {}

    Survey Build() {
        Survey survey;
        FillGeneralValues(survey.AlgemeneGegevens);
        const std::vector<RoutePlan> routes = PlanRoutes(places_);
        lastRoute_ = static_cast<int>(routes.size());
        ReserveLists(survey, routes);
        for (std::size_t r = 0; r < routes.size(); ++r) {
            AddRoute(survey, static_cast<int>(r) + 1, routes[r]);
        }
        EnsureEveryType(survey);
        survey.AantekeningenList = {
            "Demonstratieproject, gemaakt met tavoric-cli demo.",
            "",
            "Waarnemers lopen de centrumroutes elk kwartier, Woonwijk Noord elk half uur",
            "en Bedrijventerrein Zuid elk uur.",
            "",
            "Nog niet ingevoerd: de laatste sectie van de laatste route.",
            ""};
        return survey;
    }

private:
    static void FillGeneralValues(GeneralValues& values) {
        values.dayAndDate = "Dinsdag 12 maart";
        values.observers = "J. de Vries, A. Bakker, M. Jansen";
        values.startTime = std::string(kStart);
        values.endTime = std::string(kEnd);
        values.reportText2 = "Uitgevoerd door: Verkeersadviesbureau Demodorp";
    }

    void ReserveLists(Survey& survey, const std::vector<RoutePlan>& routes) const {
        std::size_t slots = 0;
        for (const RoutePlan& route : routes) {
            slots += static_cast<std::size_t>(route.places) *
                     PlacePeriods(kStart, kEnd, route.interval).size();
        }
        survey.KentekensList.reserve(slots);
        survey.ParkeerplaatsenList.reserve(static_cast<std::size_t>(places_));
    }

    void AddRoute(Survey& survey, int number, const RoutePlan& route) {
        const std::string routeKey = Number(number);
        survey.RoutesList.push_back(routeKey + " " + PadField("L", route.name, " ", 35) +
                                    std::to_string(route.interval));
        const std::vector<std::string> periods = PlacePeriods(kStart, kEnd, route.interval);
        int remaining = route.places;
        for (int section = 1; remaining > 0; ++section) {
            const int size = std::min(remaining, random_.Between(8, 30));
            remaining -= size;
            const bool keyedIn = !(remaining == 0 && number == lastRoute_);
            AddSection(survey, routeKey + " " + Number(section), size, periods, keyedIn);
        }
    }

    void AddSection(Survey& survey, const std::string& sectionKey, int places,
                    const std::vector<std::string>& periods, bool keyedIn) {
        survey.SectiesList.push_back(sectionKey + " " + NextStreetName());
        for (int place = 1; place <= places; ++place) {
            const char type = RandomType(random_);
            const std::string placeKey = sectionKey + " " + Number(place);
            survey.ParkeerplaatsenList.push_back(placeKey + " " + type);
            PlaceObserver observer(random_, type);
            for (const std::string& period : periods) {
                const std::string ppeKey = placeKey + " " + period;
                if (!keyedIn) {
                    survey.KentekensList.push_back(ppeKey);
                    continue;
                }
                const PlaceObserver::Slot slot = observer.Next();
                survey.KentekensList.push_back(
                    PpeLineWithPlate(ppeKey, slot.plate, std::string(1, slot.remark)));
            }
        }
    }

    std::string NextStreetName() {
        const std::size_t index = streetsUsed_ % kStreetNames.size();
        const std::size_t round = streetsUsed_ / kStreetNames.size();
        ++streetsUsed_;
        std::string name(kStreetNames[index]);
        return round == 0 ? name : name + " " + std::to_string(round + 1);
    }

    // Small surveys may miss a rare type by chance; give each missing type one place.
    static void EnsureEveryType(Survey& survey) {
        LineList& places = survey.ParkeerplaatsenList;
        std::size_t spot = 1;
        for (const TypeWeight& type : kTypeWeights) {
            const bool present = std::any_of(places.begin(), places.end(), [&](const auto& line) {
                return line.back() == type.code;
            });
            if (!present && spot < places.size()) {
                places[spot].back() = type.code;
                spot += std::max<std::size_t>(1, places.size() / kTypeWeights.size());
            }
        }
    }

    DemoRandom random_;
    int places_;
    int lastRoute_ = 0;
    std::size_t streetsUsed_ = 0;
};

}  // namespace

Survey MakeDemoSurvey(const DemoOptions& options) {
    return DemoBuilder(options).Build();
}

}  // namespace tavoric
