#pragma once
// Captions of the counters that the service and load spectrum pages show, shared by those
// pages and by the comparison of two readings, which names the same values.

#include <string_view>

namespace vertal::dump {

inline constexpr std::string_view kHoistTimeCaption = "Грузовая лебедка (суммарное), ч:";
inline constexpr std::string_view kAngleTimeCaption = "Изменения угла наклона стрелы, ч:";
inline constexpr std::string_view kLengthTimeCaption = "Изменения длины стрелы, ч:";
inline constexpr std::string_view kSlewTimeCaption = "Поворота, ч:";
inline constexpr std::string_view kPoweredTimeCaption = "Наработка по признаку включения электропитания ч:";
inline constexpr std::string_view kLoadedTimeCaption = "Наработка по признаку нагружения крана ч:";
inline constexpr std::string_view kLiftedWeightCaption = "Суммарно поднятый вес, т:";
inline constexpr std::string_view kCharNumberCaption = "Характеристическое число (текущее):";
inline constexpr std::string_view kOverloadTripsCaption = "Количество срабатываний по перегрузу:";
inline constexpr std::string_view kOverloads110To125Caption = "Количество перегрузок от 110% до 125%:";
inline constexpr std::string_view kOverloadsAbove125Caption = "Количество перегрузок свыше 125%:";
inline constexpr std::string_view kLoadCycleTotalCaption = "Количество циклов нагружения:";
inline constexpr std::string_view kWorkCycleTotalCaption = "Количество рабочих циклов:";
inline constexpr std::string_view kWorkCycleHeader = "Распределение нагрузки в рабочих циклах";
inline constexpr std::string_view kLoadCycleHeader = "Распределение нагрузки в циклах нагружения";

}  // namespace vertal::dump
