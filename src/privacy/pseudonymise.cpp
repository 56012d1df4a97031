// SPDX-License-Identifier: GPL-3.0-or-later
#include "privacy/pseudonymise.h"

#include <openssl/core_names.h>
#include <openssl/evp.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

#include "core/codec.h"
#include "core/message_texts.h"
#include "core/project_file.h"
#include "core/text.h"

namespace tavoric {

namespace {

constexpr std::string_view kCodeCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::size_t kPlateWidth = 6;
constexpr std::size_t kPlateOffset = 25;  // the plate field starts at character 26
// A slot line ends with its remark code, character 33; text after it could hold a plate.
constexpr std::size_t kSlotLineLength = 33;
// Hashing again this often before a code is taken from the next free one in order.
constexpr std::uint32_t kRehashRounds = 16;

// The plate field of a PPE line: its leading blanks, its text (blanks removed at both ends) and
// its width, 6 unless the line ends inside the field.
struct PlateField {
    std::size_t leading = 0;
    std::string_view text;
    std::size_t width = 0;
};

PlateField ReadPlateField(std::string_view ppeLine) {
    const std::string_view field = PpePlate(ppeLine);
    const std::string_view text = TrimBlanks(field);
    const std::size_t leading =
        text.empty() ? 0 : static_cast<std::size_t>(text.data() - field.data());
    return {leading, text, field.size()};
}

// One distinct plate text of the survey and the code it gets.
struct PlateText {
    std::string text;
    std::size_t room = kPlateWidth;  // the code length: the least room any of its fields leaves
    bool roomVaries = false;
    std::string code;
};

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};

// HMAC-SHA-256 under the key, reduced to a number.
class PlateHasher {
public:
    explicit PlateHasher(const PseudonymKey& key) {
        mac_ = EVP_MAC_fetch(nullptr, OSSL_MAC_NAME_HMAC, nullptr);
        context_ = mac_ != nullptr ? EVP_MAC_CTX_new(mac_) : nullptr;
        char digest[] = OSSL_DIGEST_NAME_SHA2_256;
        const OSSL_PARAM parameters[] = {
            OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digest, 0),
            OSSL_PARAM_construct_end()};
        ready_ = context_ != nullptr &&
                 EVP_MAC_init(context_, key.bytes().data(), key.bytes().size(), parameters) == 1;
    }
    PlateHasher(const PlateHasher&) = delete;
    PlateHasher& operator=(const PlateHasher&) = delete;
    ~PlateHasher() {
        EVP_MAC_CTX_free(context_);
        EVP_MAC_free(mac_);
    }

    bool Ready() const { return ready_; }

    // The first 8 bytes of the MAC of the text (round 0) or of the text, a zero byte and the
    // round in 4 bytes (later rounds), most significant first.
    std::optional<std::uint64_t> Number(std::string_view text, std::uint32_t round) {
        const std::array<unsigned char, 5> suffix = {
            0, static_cast<unsigned char>(round >> 24), static_cast<unsigned char>(round >> 16),
            static_cast<unsigned char>(round >> 8), static_cast<unsigned char>(round)};
        std::array<unsigned char, EVP_MAX_MD_SIZE> mac{};
        std::size_t length = 0;
        const bool done =
            EVP_MAC_init(context_, nullptr, 0, nullptr) == 1 &&
            EVP_MAC_update(context_, reinterpret_cast<const unsigned char*>(text.data()),
                           text.size()) == 1 &&
            (round == 0 || EVP_MAC_update(context_, suffix.data(), suffix.size()) == 1) &&
            EVP_MAC_final(context_, mac.data(), &length, mac.size()) == 1 && length >= 8;
        if (!done) {
            return std::nullopt;
        }
        std::uint64_t number = 0;
        for (std::size_t i = 0; i < 8; ++i) {
            number = number << 8 | mac[i];
        }
        return number;
    }

private:
    EVP_MAC* mac_ = nullptr;
    EVP_MAC_CTX* context_ = nullptr;
    bool ready_ = false;
};

std::uint64_t CodeCount(std::size_t length) {
    std::uint64_t count = 1;
    for (std::size_t i = 0; i < length; ++i) {
        count *= kCodeCharacters.size();
    }
    return count;
}

// The code of a number below CodeCount(length), lowest digit first; so the code of a shorter
// length is the longer code cut.
std::string CodeText(std::uint64_t number, std::size_t length) {
    std::string code(length, ' ');
    for (char& c : code) {
        c = kCodeCharacters[number % kCodeCharacters.size()];
        number /= kCodeCharacters.size();
    }
    return code;
}

// The distinct plate texts of the PPE lines, and for every line the index of its text (npos
// for a line without plate).
struct PlateInventory {
    std::vector<PlateText> texts;
    std::vector<std::size_t> textOfLine;
};

PlateInventory TakeInventory(const LineBuffer& ppeLines) {
    PlateInventory inventory;
    inventory.textOfLine.assign(ppeLines.size(), std::string::npos);
    std::unordered_map<std::string, std::size_t, TextHash, std::equal_to<>> indexOf;
    for (std::size_t i = 0; i < ppeLines.size(); ++i) {
        const PlateField field = ReadPlateField(ppeLines[i]);
        if (field.text.empty()) {
            continue;
        }
        const std::size_t room = field.width - field.leading;
        auto found = indexOf.find(field.text);
        if (found == indexOf.end()) {
            found = indexOf.emplace(std::string(field.text), inventory.texts.size()).first;
            inventory.texts.push_back({std::string(field.text), room, false, {}});
        }
        PlateText& plate = inventory.texts[found->second];
        if (room != plate.room) {
            plate.roomVaries = true;
            plate.room = std::min(plate.room, room);
        }
        inventory.textOfLine[i] = found->second;
    }
    return inventory;
}

// A code number below codeCount that no other text has: the one the MAC of the text gives, on a
// collision the one of the next round, and after kRehashRounds the next free number in order.
std::optional<std::uint64_t> FreeCodeNumber(PlateHasher& hasher, std::string_view text,
                                            std::uint64_t codeCount,
                                            const std::unordered_set<std::uint64_t>& taken) {
    std::optional<std::uint64_t> number;
    for (std::uint32_t round = 0; round <= kRehashRounds; ++round) {
        number = hasher.Number(text, round);
        if (!number) {
            return std::nullopt;
        }
        *number %= codeCount;
        if (!taken.contains(*number)) {
            return number;
        }
    }
    while (taken.contains(*number)) {
        *number = (*number + 1) % codeCount;
    }
    return number;
}

// Gives every text a code of its room's length, one to one. Texts of one length are served in
// byte order, so the same texts meet the same way in every survey. False with a message when a
// length has more texts than codes or the crypto library fails.
bool AssignCodes(std::vector<PlateText>& texts, const PseudonymKey& key, std::string& message) {
    PlateHasher hasher(key);
    if (!hasher.Ready()) {
        message = MessageText("AA00566");
        return false;
    }
    std::vector<PlateText*> order(texts.size());
    std::transform(texts.begin(), texts.end(), order.begin(), [](PlateText& t) { return &t; });
    std::sort(order.begin(), order.end(), [](const PlateText* a, const PlateText* b) {
        return a->room != b->room ? a->room < b->room : a->text < b->text;
    });
    std::size_t first = 0;
    while (first < order.size()) {
        const std::size_t room = order[first]->room;
        std::size_t last = first;
        while (last < order.size() && order[last]->room == room) {
            ++last;
        }
        const std::uint64_t codeCount = CodeCount(room);
        if (last - first > codeCount) {
            message = FormatText(
                MessageText("AA00565"),
                {std::to_string(last - first), std::to_string(room), std::to_string(codeCount)});
            return false;
        }
        std::unordered_set<std::uint64_t> taken;
        taken.reserve(last - first);
        for (std::size_t i = first; i < last; ++i) {
            const auto number = FreeCodeNumber(hasher, order[i]->text, codeCount, taken);
            if (!number) {
                message = MessageText("AA00566");
                return false;
            }
            taken.insert(*number);
            order[i]->code = CodeText(*number, room);
        }
        first = last;
    }
    return true;
}

// Place key and period, letter case ignored: the order the analysis puts slots in.
int CompareSlots(std::string_view a, std::string_view b) {
    const int place = CompareNoCase(PlaceKey(a), PlaceKey(b));
    return place != 0 ? place : CompareNoCase(PpePeriod(a), PpePeriod(b));
}

// Slots in groups of the same place and period that hold more than one plate text.
std::size_t CountSharedSlots(const LineBuffer& ppeLines) {
    std::vector<std::size_t> order(ppeLines.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto less = [&](std::size_t a, std::size_t b) {
        return CompareSlots(ppeLines[a], ppeLines[b]) < 0;
    };
    if (!std::is_sorted(order.begin(), order.end(), less)) {
        std::stable_sort(order.begin(), order.end(), less);
    }
    std::size_t shared = 0;
    std::size_t first = 0;
    while (first < order.size()) {
        std::size_t last = first + 1;
        std::string_view plate = ReadPlateField(ppeLines[order[first]]).text;
        bool otherPlate = false;
        for (; last < order.size() &&
               CompareSlots(ppeLines[order[first]], ppeLines[order[last]]) == 0;
             ++last) {
            const std::string_view next = ReadPlateField(ppeLines[order[last]]).text;
            if (plate.empty()) {
                plate = next;
            } else if (!next.empty() && next != plate) {
                otherPlate = true;
            }
        }
        if (otherPlate) {
            shared += last - first;
        }
        first = last;
    }
    return shared;
}

// The PPE line with its plate field replaced by the code of plate.
std::string WithCode(std::string_view ppeLine, const PlateText& plate) {
    const PlateField field = ReadPlateField(ppeLine);
    std::string replacement(field.leading, ' ');
    replacement += plate.code;
    replacement.resize(field.width, ' ');
    return std::string(ppeLine).replace(kPlateOffset, field.width, replacement);
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error)) {
        return true;
    }
    return std::filesystem::absolute(a, error).lexically_normal() ==
           std::filesystem::absolute(b, error).lexically_normal();
}

}  // namespace

PseudonymiseResult PseudonymiseSurvey(Survey& survey, const PseudonymKey& key,
                                      const PseudonymiseOptions& options) {
    PseudonymiseResult result;
    PlateInventory inventory = TakeInventory(survey.KentekensList);
    if (!AssignCodes(inventory.texts, key, result.message)) {
        return result;
    }
    PseudonymiseSummary summary;
    summary.sharedSlots = CountSharedSlots(survey.KentekensList);
    for (std::size_t i = 0; i < survey.KentekensList.size(); ++i) {
        if (inventory.textOfLine[i] != std::string::npos) {
            survey.KentekensList.Set(
                i, WithCode(survey.KentekensList[i], inventory.texts[inventory.textOfLine[i]]));
            ++summary.replacedPlates;
        }
        if (survey.KentekensList[i].size() > kSlotLineLength) {
            survey.KentekensList.Set(i, survey.KentekensList[i].substr(0, kSlotLineLength));
            ++summary.shortenedLines;
        }
    }
    summary.distinctPlates = inventory.texts.size();
    summary.shortenedPlates = static_cast<std::size_t>(
        std::count_if(inventory.texts.begin(), inventory.texts.end(),
                      [](const PlateText& plate) { return plate.roomVaries; }));
    if (options.clearObservers) {
        survey.AlgemeneGegevens.observers.clear();
        summary.observersCleared = true;
    }
    if (options.clearNotes) {
        survey.AantekeningenList.clear();
        summary.notesCleared = true;
    }
    result.summary = summary;
    return result;
}

std::optional<PseudonymisedCopy> MakePseudonymisedCopy(const Survey& survey,
                                                       const PseudonymiseRequest& request,
                                                       Prompter& prompter) {
    const KeyFileResult key = request.createKeyIfMissing ? ReadOrCreateKeyFile(request.keyPath)
                                                         : ReadKeyFile(request.keyPath);
    if (!key.key) {
        ErrorNotice(prompter, key.message);
        return std::nullopt;
    }
    PseudonymisedCopy copy{survey, {}};
    PseudonymiseResult result = PseudonymiseSurvey(copy.survey, *key.key, request.options);
    if (!result.summary) {
        ErrorNotice(prompter, result.message);
        return std::nullopt;
    }
    copy.summary = *result.summary;
    copy.summary.keyPath = request.keyPath;
    copy.summary.keyCreated = key.created;
    return copy;
}

std::optional<PseudonymiseSummary> WritePseudonymisedCopy(const Survey& survey,
                                                          const PseudonymiseRequest& request,
                                                          Prompter& prompter) {
    if (SameFile(request.outPath, survey.ProjectPath)) {
        ErrorNotice(prompter,
                    FormatText(MessageText("AA00567"), {Utf8ToCp1252(survey.ProjectPath)}));
        return std::nullopt;
    }
    if (SameFile(request.outPath, request.keyPath)) {
        ErrorNotice(prompter, FormatText(MessageText("AA00569"), {Utf8ToCp1252(request.keyPath)}));
        return std::nullopt;
    }
    std::optional<PseudonymisedCopy> copy = MakePseudonymisedCopy(survey, request, prompter);
    if (!copy || !WriteProjectFile(copy->survey, request.outPath, prompter)) {
        return std::nullopt;
    }
    return copy->summary;
}

}  // namespace tavoric
