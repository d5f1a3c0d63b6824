// kalimor-bench: the two lookups on the embedded book and on the synthetic
// book, each compared with the least that any walk must do.
#include "BenchBook.h"
#include "BookStore.h"
#include "DictionaryLookup.h"
#include "RatioReporter.h"
#include "SyntheticBook.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <iostream>
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
void AddCase(const BenchBook& book, const std::string& name, Body body)
{
    benchmark::RegisterBenchmark((book.name + '/' + name).c_str(),
                                 [body](benchmark::State& state) {
                                     for (auto _ : state)
                                         body();
                                 })
        ->Unit(benchmark::kMicrosecond);
}

void AddListing(const BenchBook& book, const std::string& name, const CString& query)
{
    AddCase(book, name, [&book, query] {
        CDictionaryLookup lookup(book.text);
        CString result;
        lookup.PrefixListing(query, result);
        benchmark::DoNotOptimize(result);
    });
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

    RatioReporter reporter(kBaseline, {"listing_common_initial", "listing_full_headword", "listing_no_match",
                                       "exact_missing"},
                           1.5, 2.0);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios(std::cout);
    benchmark::Shutdown();
    return 0;
}
