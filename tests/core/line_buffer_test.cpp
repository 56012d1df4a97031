// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/line_buffer.h"

#include <gtest/gtest.h>

#include <iterator>
#include <numeric>
#include <random>

#include "core/project_file.h"

namespace tavoric {
namespace {

static_assert(std::random_access_iterator<LineBuffer::const_iterator>);

using Model = std::vector<std::string>;

Model Lines(const LineBuffer& lines) {
    return {lines.begin(), lines.end()};
}

std::size_t TextSizeOf(const Model& model) {
    std::size_t bytes = 0;
    for (const std::string& line : model) {
        bytes += line.size();
    }
    return bytes;
}

LineBuffer FromText(std::string_view text) {
    return LineBuffer::FromBlock(ByteBlock(text), 0, text.size());
}

TEST(LineBuffer, SetWritesEachLineAndLeavesItsNeighbours) {
    LineBuffer lines{"AB-12-CD", "EF-34-GH", "IJ-56-KL"};
    lines.Set(1, "kort");
    EXPECT_EQ(Lines(lines), (Model{"AB-12-CD", "kort", "IJ-56-KL"}));
    lines.Set(1, "ZZ-99-ZZ");
    lines.Set(0, "AB-12-CD-langer");
    lines.Set(2, "");
    EXPECT_EQ(Lines(lines), (Model{"AB-12-CD-langer", "ZZ-99-ZZ", ""}));
    lines.Set(2, std::string_view{});
    lines.push_back(std::string_view{});
    lines.Set(3, "na leeg");
    EXPECT_EQ(Lines(lines), (Model{"AB-12-CD-langer", "ZZ-99-ZZ", "", "na leeg"}));
    EXPECT_EQ(lines.TextSize(), 15u + 8 + 7);
    EXPECT_EQ(lines.front(), "AB-12-CD-langer");
    EXPECT_EQ(lines.back(), "na leeg");
}

TEST(LineBuffer, TakesViewsIntoItsOwnLines) {
    LineBuffer lines{"nul", "een", "twee", "drie", "vier", "vijf-langer"};
    lines.Set(2, lines[5]);
    lines.Set(1, lines[1].substr(0, 2));
    lines.Set(0, lines[0]);
    lines.Set(3, lines[3].substr(1));
    EXPECT_EQ(Lines(lines), (Model{"nul", "ee", "vijf-langer", "rie", "vier", "vijf-langer"}));
    // The appends make the block grow and move while the view into it is still to be read.
    Model model = Lines(lines);
    for (int i = 0; i < 12; ++i) {
        lines.push_back(lines.back());
        model.push_back(model.back());
        lines.Insert(0, lines[1]);
        model.insert(model.begin(), model[1]);
        lines.Set(2, lines[lines.size() - 1]);
        model[2] = model.back();
    }
    EXPECT_EQ(Lines(lines), model);
}

TEST(LineBuffer, InsertsAndErasesAnywhere) {
    LineBuffer lines;
    EXPECT_TRUE(lines.empty());
    lines.Insert(0, "b");
    lines.Insert(0, "a");
    lines.Insert(2, "d");
    lines.Insert(2, "c");
    EXPECT_EQ(Lines(lines), (Model{"a", "b", "c", "d"}));
    lines.Erase(1, 3);
    EXPECT_EQ(Lines(lines), (Model{"a", "d"}));
    lines.Erase(1, 1);
    lines.Erase(0, 1);
    EXPECT_EQ(Lines(lines), (Model{"d"}));
    EXPECT_EQ(lines.TextSize(), 1u);
    lines.clear();
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(lines.TextSize(), 0u);
    lines.push_back("weer");
    EXPECT_EQ(Lines(lines), (Model{"weer"}));
}

TEST(LineBuffer, EraseIfKeepsOrderAndAsksOncePerLine) {
    LineBuffer lines{"1", "22", "3", "44", "5"};
    Model seen;
    lines.EraseIf([&seen](std::string_view line) {
        seen.emplace_back(line);
        return line.size() == 2;
    });
    EXPECT_EQ(seen, (Model{"1", "22", "3", "44", "5"}));
    EXPECT_EQ(Lines(lines), (Model{"1", "3", "5"}));
    EXPECT_EQ(lines.TextSize(), 3u);
}

TEST(LineBuffer, ReordersAndMergesRunsStably) {
    LineBuffer lines{"vast", "c", "a", "b", "ook vast"};
    lines.Reorder(1, {1, 2, 0});
    EXPECT_EQ(Lines(lines), (Model{"vast", "a", "b", "c", "ook vast"}));

    LineBuffer runs{"a1", "b1", "b2", "c1", "a3", "b3", "d3"};
    runs.MergeRuns(4, [](std::string_view a, std::string_view b) { return a[0] < b[0]; });
    EXPECT_EQ(Lines(runs), (Model{"a1", "a3", "b1", "b2", "b3", "c1", "d3"}));
}

TEST(LineBufferFromBlock, SplitsAtEveryLineEndAndSkipsBlankLines) {
    EXPECT_EQ(Lines(FromText("een\r\ntwee\ndrie\rvier")), (Model{"een", "twee", "drie", "vier"}));
    EXPECT_EQ(Lines(FromText("\r\n\n\ra\r\r\n\nb\r\n\r\n")), (Model{"a", "b"}));
    EXPECT_EQ(FromText("a\r\nbc\n").TextSize(), 3u);
    EXPECT_TRUE(FromText("").empty());

    Model all;
    ForEachLineOf("a\n\r\nb\r\rc", [&all](std::string_view line) { all.emplace_back(line); });
    EXPECT_EQ(all, (Model{"a", "", "b", "", "c"}));
}

TEST(LineBufferFromBlock, TakesOnlyTheLinesOfItsRange) {
    const std::string text = "xx\nab\r\ncd\nyy";
    EXPECT_EQ(Lines(LineBuffer::FromBlock(ByteBlock(text), 3, 9)), (Model{"ab", "cd"}));
    EXPECT_EQ(Lines(LineBuffer::FromBlock(ByteBlock(text), 3, 6)), (Model{"ab"}));
    EXPECT_EQ(Lines(LineBuffer::FromBlock(ByteBlock(text), 6, 12)), (Model{"cd", "yy"}));

    // Edits must leave the bytes of other lines alone.
    LineBuffer lines = LineBuffer::FromBlock(ByteBlock(text), 3, 12);
    lines.Set(0, "A");
    lines.Set(1, "CDE");
    lines.Insert(1, lines[2]);
    EXPECT_EQ(Lines(lines), (Model{"A", "yy", "CDE", "yy"}));
    EXPECT_EQ(lines.TextSize(), 8u);
}

TEST(LineBuffer, AgreesWithAModelAfterManyLongerReplacements) {
    constexpr std::size_t kLines = 100'000;
    LineBuffer lines;
    Model model;
    for (std::size_t i = 0; i < kLines; ++i) {
        model.push_back("K" + std::to_string(i));
        lines.push_back(model.back());
    }
    for (int round = 1; round <= 4; ++round) {
        for (std::size_t i = 0; i < kLines; ++i) {
            model[i] = std::string(static_cast<std::size_t>(round) * 3, char('a' + round)) +
                       std::to_string(i);
            lines.Set(i, model[i]);
        }
    }
    for (std::size_t i = 0; i < kLines; i += 3) {
        model[i].resize(1);
        lines.Set(i, model[i]);
    }
    lines.Erase(10, kLines / 2);
    model.erase(model.begin() + 10, model.begin() + kLines / 2);
    EXPECT_EQ(Lines(lines), model);
    EXPECT_EQ(lines.TextSize(), TextSizeOf(model));
}

TEST(LineBuffer, KeepsLinesOf16MiBAndMore) {
    constexpr std::size_t k16MiB = std::size_t{16} << 20;
    const std::string a(k16MiB + 3, 'a'), b(k16MiB - 1, 'b'), c(k16MiB - 2, 'c');
    const std::string d(k16MiB + 5, 'd'), e(k16MiB + 1, 'e');
    LineBuffer lines{"x", a, "y", b};
    EXPECT_TRUE(lines[1] == a && lines[3] == b && lines[0] == "x" && lines[2] == "y");
    lines.Set(1, d);
    EXPECT_TRUE(lines[1] == d && lines[3] == b);
    lines.Set(1, e);
    EXPECT_TRUE(lines[1] == e && lines[3] == b && lines[2] == "y");
    const LineBuffer copy = lines;
    lines.Set(1, "kort");  // leaves most of the block unused
    EXPECT_TRUE(lines[1] == "kort" && lines[3] == b && lines[2] == "y");
    lines.Set(3, c);
    lines.push_back(a);
    EXPECT_TRUE(lines[3] == c && lines[4] == a);
    EXPECT_EQ(lines.TextSize(), 1 + 4 + 1 + c.size() + a.size());
    EXPECT_TRUE(copy[1] == e && copy[3] == b && copy.TextSize() == 2 + e.size() + b.size());

    const LineBuffer read = FromText("x\n" + a + "\r\n" + b + "\r");
    EXPECT_TRUE(read.size() == 3 && read[1] == a && read[2] == b);
}

// Random lines of code page 1252 text: any byte but the line ends.
std::string RandomLine(std::mt19937& random) {
    std::string line(random() % 41, ' ');
    for (char& byte : line) {
        byte = static_cast<char>(0x20 + random() % 0xE0);
    }
    return line;
}

TEST(LineBuffer, AgreesWithAModelUnderRandomEdits) {
    std::mt19937 random(20240611);
    const auto below = [&random](std::size_t n) { return n == 0 ? 0 : random() % n; };
    for (int sequence = 0; sequence < 3000; ++sequence) {
        Model model;
        std::string text(sequence % 100 == 0 ? std::size_t{3} << 20 : 0, 'z');
        const std::size_t first = text.size();
        for (std::size_t n = below(20); n > 0; --n) {
            model.push_back(RandomLine(random));
            text += model.back() + (n % 3 == 0 ? "\r" : "\r\n");
        }
        LineBuffer lines = LineBuffer::FromBlock(ByteBlock(text), first, text.size());
        std::erase(model, "");
        const auto reorder = [&model, &lines](std::size_t at,
                                              const std::vector<std::size_t>& order) {
            Model reordered;
            for (const std::size_t from : order) {
                reordered.push_back(model[at + from]);
            }
            std::copy(reordered.begin(), reordered.end(),
                      model.begin() + static_cast<std::ptrdiff_t>(at));
            lines.Reorder(at, order);
        };
        for (int step = 0; step < 25; ++step) {
            const bool fromItself = !model.empty() && random() % 4 == 0;
            const std::size_t j = below(model.size());
            const std::string line =
                fromItself ? model[j].substr(below(model[j].size() + 1)) : RandomLine(random);
            const std::string_view own =
                fromItself ? lines[j].substr(model[j].size() - line.size()) : line;
            const std::size_t i = below(model.size());
            switch (random() % 8) {
                case 0:
                    if (!model.empty()) {
                        model[i] = line;
                        lines.Set(i, own);
                    }
                    break;
                case 1:
                    model.insert(model.begin() + static_cast<std::ptrdiff_t>(i), line);
                    lines.Insert(i, own);
                    break;
                case 2:
                    model.push_back(line);
                    lines.push_back(own);
                    break;
                case 3: {
                    const std::size_t last = i + below(model.size() - i + 1);
                    model.erase(model.begin() + static_cast<std::ptrdiff_t>(i),
                                model.begin() + static_cast<std::ptrdiff_t>(last));
                    lines.Erase(i, last);
                    break;
                }
                case 4: {
                    const auto remove = [](std::string_view l) { return l.size() % 5 == 1; };
                    std::erase_if(model, remove);
                    lines.EraseIf(remove);
                    break;
                }
                case 5: {
                    std::vector<std::size_t> order(below(model.size() - i + 1));
                    std::iota(order.begin(), order.end(), std::size_t{0});
                    std::shuffle(order.begin(), order.end(), random);
                    reorder(i, order);
                    break;
                }
                case 6: {
                    // Two runs sorted on their first byte, merged: the first run's lines go
                    // first among equals.
                    const auto less = [](std::string_view a, std::string_view b) {
                        return a.substr(0, 1) < b.substr(0, 1);
                    };
                    const auto byLine = [&model, &less](std::size_t a, std::size_t b) {
                        return less(model[a], model[b]);
                    };
                    const auto middle = static_cast<std::ptrdiff_t>(below(model.size() + 1));
                    std::vector<std::size_t> order(model.size());
                    std::iota(order.begin(), order.end(), std::size_t{0});
                    std::stable_sort(order.begin(), order.begin() + middle, byLine);
                    std::stable_sort(order.begin() + middle, order.end(), byLine);
                    reorder(0, order);
                    std::inplace_merge(model.begin(), model.begin() + middle, model.end(), less);
                    lines.MergeRuns(static_cast<std::size_t>(middle), less);
                    break;
                }
                case 7: {
                    const LineBuffer copy = lines;
                    lines.clear();
                    lines = copy;
                    break;
                }
            }
        }
        ASSERT_EQ(Lines(lines), model) << "sequence " << sequence;
        ASSERT_EQ(lines.TextSize(), TextSizeOf(model)) << "sequence " << sequence;

        // The project file is the same as from a list built afresh, line by line.
        Survey edited;
        edited.KentekensList = lines;
        Survey fresh;
        fresh.KentekensList = LineBuffer(model);
        const std::string written = ProjectFileContent(edited);
        ASSERT_EQ(written, ProjectFileContent(fresh)) << "sequence " << sequence;
        std::string slotText;
        for (const std::string& line : model) {
            slotText.append(line).append("\r\n");
        }
        ASSERT_NE(written.find("[Kentekens]\r\n" + slotText + "\r\n[Aantekeningen]"),
                  std::string::npos);
        std::erase(model, "");
        ASSERT_EQ(Lines(FromText(slotText)), model) << "sequence " << sequence;
    }
}

}  // namespace
}  // namespace tavoric
