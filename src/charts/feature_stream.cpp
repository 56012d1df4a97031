// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/feature_stream.h"

#include <iterator>
#include <utility>
#include <vector>

#include "core/message_texts.h"
#include "core/text.h"

namespace tavoric {

namespace {

using Json = nlohmann::ordered_json;

// The content as the parser reads it, noting how far it got: the place a nesting too deep is
// found, which the parser itself does not tell.
class TrackedChars {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    TrackedChars(const char* at, const char** furthest) : at_(at), furthest_(furthest) {}
    reference operator*() const { return *at_; }
    TrackedChars& operator++() {
        *furthest_ = ++at_;
        return *this;
    }
    TrackedChars operator++(int) {
        TrackedChars before = *this;
        ++*this;
        return before;
    }
    bool operator==(const TrackedChars& other) const { return at_ == other.at_; }

private:
    const char* at_;
    const char** furthest_;
};

// Builds the values as the parser reports them; the elements of the root's "features" array go
// to the visitor instead of into the document.
class FeatureHandler final : public nlohmann::json_sax<Json> {
public:
    FeatureHandler(const FeatureVisitor& visit, const char* begin, const char* const& furthest)
        : visit_(visit), begin_(begin), furthest_(furthest) {}

    bool null() override { return Add(Json(nullptr)); }
    bool boolean(bool value) override { return Add(Json(value)); }
    bool number_integer(number_integer_t value) override { return Add(Json(value)); }
    bool number_unsigned(number_unsigned_t value) override { return Add(Json(value)); }
    bool number_float(number_float_t value, const string_t& /*text*/) override {
        return Add(Json(value));
    }
    bool string(string_t& value) override { return Add(Json(std::move(value))); }
    bool binary(binary_t& value) override { return Add(Json::binary(std::move(value))); }
    bool start_object(std::size_t /*elements*/) override { return Open(Json::object()); }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t /*elements*/) override { return Open(Json::array()); }
    bool end_array() override { return Close(); }
    bool key(string_t& name) override {
        open_.back().key = std::move(name);
        return true;
    }
    bool parse_error(std::size_t position, const std::string& /*token*/,
                     const nlohmann::detail::exception& error) override {
        // 406: a number beyond what a double holds, such as 1e400.
        const std::string at = std::to_string(position);
        error_ = error.id == 406 ? FormatText(MessageText("AA00725"), {at})
                                 : FormatText(MessageText("AA00700"), {at});
        return false;
    }

    StreamedFeatures Result() && { return {std::move(root_), std::move(error_), stopped_}; }

private:
    struct Frame {
        Json value;
        std::string key;  // of the member being read, in an object
        bool features = false;
    };

    bool Open(Json value) {
        if (open_.size() >= kMaxJsonDepth) {
            error_ = FormatText(MessageText("AA00726"), {std::to_string(kMaxJsonDepth),
                                                         std::to_string(furthest_ - begin_)});
            return false;
        }
        const bool features = value.is_array() && open_.size() == 1 && open_[0].value.is_object() &&
                              open_[0].key == "features";
        open_.push_back({std::move(value), {}, features});
        return true;
    }

    bool Close() {
        Json value = std::move(open_.back().value);
        open_.pop_back();
        return Add(std::move(value));
    }

    bool Add(Json value) {
        if (open_.empty()) {
            root_ = std::move(value);
            return true;
        }
        Frame& parent = open_.back();
        if (parent.features) {
            stopped_ = !visit_(value);
            return !stopped_;
        }
        if (parent.value.is_object()) {
            parent.value[parent.key] = std::move(value);
        } else {
            parent.value.push_back(std::move(value));
        }
        return true;
    }

    const FeatureVisitor& visit_;
    const char* begin_;
    const char* const& furthest_;
    std::vector<Frame> open_;
    Json root_;
    std::string error_;
    bool stopped_ = false;
};

}  // namespace

StreamedFeatures StreamFeatures(std::string_view content, const FeatureVisitor& visit) {
    const char* furthest = content.data();
    FeatureHandler handler(visit, content.data(), furthest);
    const TrackedChars begin(content.data(), &furthest);
    const TrackedChars end(content.data() + content.size(), &furthest);
    Json::sax_parse(begin, end, &handler);
    return std::move(handler).Result();
}

void DumpAroundFeatures(const Json& root, std::string& featuresText) {
    std::string before = "{";
    std::string after;
    bool featuresMet = false;
    for (const auto& [name, value] : root.items()) {
        std::string& text = featuresMet ? after : before;
        text += (text.size() > 1 || featuresMet ? "," : "") + Json(name).dump() + ':';
        if (name == "features") {
            text += '[';
            featuresMet = true;
        } else {
            text += value.dump();
        }
    }
    featuresText.insert(0, before);
    featuresText += ']' + after + '}';
}

}  // namespace tavoric
