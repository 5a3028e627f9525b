// Points the practice window's globals at a test's own dictionary and windows while it runs.
#pragma once

#include "article/ex16.h"
#include "article/test.h"
#include "article/test_result.h"
#include "dictionary/erfenfa.h"

namespace tavrel::testing {

class ScopedPracticeGlobals {
 public:
  ScopedPracticeGlobals(Ttwo& dictionary, Tform_test& practice, TForm_result& report,
                        Thighscore& top_ten) {
    two = &dictionary;
    form_test = &practice;
    Form_result = &report;
    highscore = &top_ten;
  }
  ~ScopedPracticeGlobals() {
    two = nullptr;
    form_test = nullptr;
    Form_result = nullptr;
    highscore = nullptr;
  }
  ScopedPracticeGlobals(const ScopedPracticeGlobals&) = delete;
  ScopedPracticeGlobals& operator=(const ScopedPracticeGlobals&) = delete;
};

}  // namespace tavrel::testing
