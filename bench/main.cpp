// kalimor-bench: the two lookups on the embedded book and on the synthetic
// book, each compared with the least that any walk must do; and one listing
// on texts of 1 to 100 MB, to show that its time grows only with the length.
#include "BenchBook.h"
#include "BookStore.h"
#include "DictionaryLookup.h"
#include "RatioReporter.h"
#include "ScalingBooks.h"
#include "SyntheticBook.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

const char kBaseline[] = "baseline_memchr";

// One forward pass that finds every "@ ": what every walk has to do at least.
std::size_t CountMarkers(const char* text, std::size_t length)
{
    const char* end = text + length;
    std::size_t markers = 0;
    for (const char* at = text; (at = static_cast<const char*>(std::memchr(at, '@', end - at))); ++at)
        markers += at + 1 < end && at[1] == ' ';
    return markers;
}

template <typename Body>
benchmark::internal::Benchmark* Register(const std::string& name, Body body)
{
    return benchmark::RegisterBenchmark(name.c_str(), [body](benchmark::State& state) {
        for (auto _ : state)
            body();
    });
}

template <typename Body>
void AddCase(const BenchBook& book, const std::string& name, Body body)
{
    Register(book.name + '/' + name, body)->Unit(benchmark::kMicrosecond);
}

void List(const char* text, const CString& query)
{
    CDictionaryLookup lookup(text);
    CString result;
    lookup.PrefixListing(query, result);
    benchmark::DoNotOptimize(result);
}

void AddListing(const BenchBook& book, const std::string& name, const CString& query)
{
    AddCase(book, name, [&book, query] { List(book.text, query); });
}

void AddExactLookup(const BenchBook& book, const std::string& name, const CString& word)
{
    AddCase(book, name, [&book, word] {
        CDictionaryLookup lookup(book.text);
        CString result;
        lookup.ExactLookup(word, result);
        benchmark::DoNotOptimize(result);
    });
}

void AddCases(const BenchBook& book)
{
    AddCase(book, kBaseline, [&book] { benchmark::DoNotOptimize(CountMarkers(book.text, book.length)); });
    AddListing(book, "listing_common_initial", book.commonInitial);
    AddListing(book, "listing_full_headword", book.middleHeadword);
    AddListing(book, "listing_no_match", book.missing);
    AddExactLookup(book, "exact_first", book.firstHeadword);
    AddExactLookup(book, "exact_last", book.lastHeadword);
    AddExactLookup(book, "exact_missing", book.missing);
    // A pick runs the listing for the picked headword, then the exact lookup.
    AddCase(book, "pick", [&book] {
        CDictionaryLookup lookup(book.text);
        CString listing, entry;
        lookup.PrefixListing(book.middleHeadword, listing);
        lookup.ExactLookup(book.middleHeadword, entry);
        benchmark::DoNotOptimize(entry);
    });
}

struct ScalingText {
    std::string name;
    std::string text;
};

// The synthetic book repeated to about 1, 10 and 100 MB, and texts of those
// sizes made mostly of chapter lines after the last entry.
std::vector<ScalingText> ScalingTexts(const std::string& synthetic)
{
    std::vector<ScalingText> texts;
    for (int megabytes : {1, 10, 100})
        texts.push_back({"synthetic_" + std::to_string(megabytes) + "MB", RepeatedBook(synthetic, megabytes)});
    for (int megabytes : {1, 10, 100})
        texts.push_back({"chapter_line_tail_" + std::to_string(megabytes) + "MB",
                         BookWithChapterLineTail(synthetic, static_cast<std::size_t>(megabytes) * 1000000)});
    return texts;
}

// One listing that matches nothing on each text; returns the cases' names with their texts' sizes.
std::map<std::string, std::size_t> AddScalingCases(const std::vector<ScalingText>& texts, const CString& query)
{
    std::map<std::string, std::size_t> sizes;
    for (const ScalingText& text : texts) {
        const std::string name = "scaling/" + text.name + "/listing_no_match";
        Register(name, [&text, query] { List(text.text.c_str(), query); })->Unit(benchmark::kMillisecond);
        sizes[name] = text.text.size();
    }
    return sizes;
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    const std::string synthetic = GenerateSyntheticBook();
    const std::vector<BenchBook> books = {
        DescribeBook("embedded", BookStore::GetStart(), BookStore::GetLength()),
        DescribeBook("synthetic", synthetic.c_str(), synthetic.size()),
    };
    for (const BenchBook& book : books)
        AddCases(book);
    const std::vector<ScalingText> scalingTexts = ScalingTexts(synthetic);
    const std::map<std::string, std::size_t> scalingSizes = AddScalingCases(scalingTexts, books.back().missing);

    RatioReporter reporter(kBaseline,
                           {"listing_common_initial", "listing_full_headword", "listing_no_match", "exact_missing"},
                           {{"embedded", 1.5}, {"synthetic", 1.3}}, 2.0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios(std::cout);
    reporter.PrintTimePerMegabyte(std::cout, scalingSizes);
    benchmark::Shutdown();
    return 0;
}
