#pragma once
// A report viewer that lays each shown report out and keeps the texts of its pages, in order,
// instead of showing a preview.

#include <string>
#include <vector>

#include "reports/core/ReportLayout.h"
#include "reports/core/ReportSequence.h"

namespace vertal::testing {

struct LaidOutReport {
  std::string title;
  std::vector<std::vector<std::string>> pages;  // the texts of each page, top to bottom

  // Every text of every page, in page order.
  std::vector<std::string> Texts() const {
    std::vector<std::string> all;
    for (const auto& page : pages) all.insert(all.end(), page.begin(), page.end());
    return all;
  }
};

class RecordingViewer : public reports::ReportViewer {
 public:
  void Show(const reports::ReportBuilder& build) override {
    reports::Report report = build();
    LaidOutReport shown{report.title, {}};
    reports::Paginate(report, [&shown](const reports::Page& page) {
      std::vector<std::string> texts;
      for (const auto& item : page.texts) texts.push_back(item.text);
      shown.pages.push_back(std::move(texts));
      return true;
    });
    shown_.push_back(std::move(shown));
  }

  const std::vector<LaidOutReport>& Shown() const { return shown_; }

 private:
  std::vector<LaidOutReport> shown_;
};

}  // namespace vertal::testing
