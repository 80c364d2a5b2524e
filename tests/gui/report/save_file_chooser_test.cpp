#include <gtest/gtest.h>

#include "gui/report/save_file_chooser.h"

namespace {

using lumo::QtFileFilter;

TEST(QtFileFilter, RewritesClassicFilterPairs) {
  EXPECT_EQ(QtFileFilter("HTML files (*.htm;*.html)|*.htm;*.html|All Files (*.*)|*.*||"),
            "HTML files (*.htm *.html);;All Files (*)");
  EXPECT_EQ(QtFileFilter("CSV files (*.csv)|*.csv|Text files (*.txt;*.asc)|*.txt;*.asc|"
                         "All Files (*.*)|*.*||"),
            "CSV files (*.csv);;Text files (*.txt *.asc);;All Files (*)");
}

TEST(QtFileFilter, TakesThePatternsFromThePatternHalf) {
  // The description's own parentheses may disagree, or be missing.
  EXPECT_EQ(QtFileFilter("Pages (*.x)|*.htm|Plain|*.txt ; *.asc|"), "Pages (*.htm);;Plain (*.txt *.asc)");
  // Without the closing "||", and with a pair lacking its pattern.
  EXPECT_EQ(QtFileFilter("Reports|*.csv|Broken||"), "Reports (*.csv)");
  EXPECT_EQ(QtFileFilter("Broken|"), "");
  EXPECT_EQ(QtFileFilter(""), "");
}

}  // namespace
