#pragma once
// The commands of the pages "Журнал по дням" and "Проверка записи": each reads the whole
// current file once and gives the page's model, which the window shows and vertal-cli prints.
// A file that cannot be read is reported once and leaves the page empty.

#include <array>
#include <string>
#include <string_view>

#include "common/core/Host.h"
#include "common/core/PageControls.h"
#include "common/core/ProgressSink.h"
#include "recording/core/DayJournal.h"
#include "recording/core/RecordingAudit.h"

namespace vertal::recording {

// The journal's column captions, left to right.
// clang-format off
inline constexpr std::array<std::string_view, 13> kDayColumnCaptions = {
    "Дата",          "Время первого\nкадра", "Время послед-\nнего кадра", "Часы\nработы",
    "Подъёмы",       "Наиб.\nмомент, %",     "Время\nмомента",            "Пере-\nгрузки",
    "Наст-\nройка",  "МЗОН",                 "Вклю-\nчения",              "Срабат.\nограничений",
    "Коды\nотказов"};
// clang-format on

struct DayJournalModel {
  std::vector<DayRow> days;  // in date order
};

// Every cell of the journal, column by column in the order of the captions.
GridColumns DayColumns(const std::vector<DayRow>& days);

template <typename Visit>
void VisitControls(const DayJournalModel& m, Visit&& v) {
  v("Grid_Days", DayColumns(m.days));
}

PassResult<DayJournalModel> RunDayJournal(const std::string& path, Host& host,
                                          const PassHooks& hooks = {});

// The audit's column captions: severity, message, frame.
inline constexpr std::array<std::string_view, 3> kAuditColumnCaptions = {"Важность", "Сообщение",
                                                                         "Кадр"};

struct AuditModel {
  AuditReport report;
};

// Every cell of the audit's table, column by column: the severity word, the text and the frame
// ("" for a finding without one).
GridColumns FindingColumns(const std::vector<Finding>& findings);

template <typename Visit>
void VisitControls(const AuditModel& m, Visit&& v) {
  v("Grid_Audit", FindingColumns(m.report.findings));
}

PassResult<AuditModel> RunRecordingAudit(const std::string& path, Host& host,
                                         const PassHooks& hooks = {});

}  // namespace vertal::recording
