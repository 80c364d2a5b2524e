#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "core/report/report_base.h"
#include "support/report_collection.h"

// The input of the report fuzzers: the bytes are a cdplayer.ini, loaded as
// the program loads it and grouped into the collection the tree would show
// (artists in alphabetical order, each with its albums in file order, each
// with its tracks). Section "report" gives the title and the comment.
namespace lumo::fuzz {

using bench::Album;
using bench::Artist;

struct Collection {
  std::vector<Artist> artists;
  std::string title;
  std::string comment;
};

Collection LoadCollection(const uint8_t* data, std::size_t size);

// Feeds the collection to the writer as the report dialog does.
void Feed(const Collection& collection, LumoReportBase& writer);

// The path for a report file named `name`, in a folder of this process's own.
std::string OutputPath(const char* name);

// Reads a whole file; aborts when it cannot.
std::string ReadWhole(const std::string& path);

}  // namespace lumo::fuzz
