#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Lower(std::string word)
{
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return word;
}

// One word a line; lines starting with # are comments.
std::set<std::string> WordList(const std::string& path)
{
    std::set<std::string> words;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() != '#') {
            words.insert(Lower(line));
        }
    }
    return words;
}

// Every English source text of the translation file, entities undone.
std::vector<std::string> SourceTexts(const std::string& ts)
{
    std::vector<std::string> texts;
    const std::string open = "<source>", close = "</source>";
    for (auto at = ts.find(open); at != std::string::npos; at = ts.find(open, at)) {
        at += open.size();
        std::string text = ts.substr(at, ts.find(close, at) - at);
        for (const auto& [entity, plain] :
             {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"},
              {"&amp;", "&"}}) {
            for (auto p = text.find(entity); p != std::string::npos; p = text.find(entity, p)) {
                text.replace(p, std::string(entity).size(), plain);
            }
        }
        texts.push_back(text);
    }
    return texts;
}

// Runs of three or more Latin letters: shorter ones are symbols (Vx, dt, ω×R's R).
std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : text + ' ') {
        if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
            word += c;
            continue;
        }
        if (word.size() >= 3) {
            words.push_back(word);
        }
        word.clear();
    }
    return words;
}

TEST(EnglishTexts, AreSpelledAsTheDictionaryOrTheProjectsWordsSpellThem)
{
    std::set<std::string> known = WordList(DICTIONARY_FILE);
    ASSERT_GT(known.size(), 50000U) << "the British English word list is missing";
    ASSERT_EQ(known.count("friciton"), 0U); // the check can fail
    const std::set<std::string> project = WordList(PROJECT_WORDS_FILE);
    known.insert(project.begin(), project.end());

    const std::vector<std::string> texts = SourceTexts(ReadFile(TS_FILE));
    ASSERT_GT(texts.size(), 100U);
    std::set<std::string> unknown;
    for (const std::string& text : texts) {
        for (const std::string& word : Words(text)) {
            if (known.count(Lower(word)) == 0) {
                unknown.insert(word + "  (in \"" + text.substr(0, 60) + "\")");
            }
        }
    }
    std::string list;
    for (const std::string& u : unknown) {
        list += "\n  " + u;
    }
    EXPECT_TRUE(unknown.empty()) << unknown.size() << " words not in the word lists:" << list;
}

} // namespace
