#pragma once

#include "common/bookdata.h"

#include <array>
#include <string>

namespace app {

/// One field of the book's data: its key in a span file's section "book" and its label in the dialog 计算书信息.
struct BookField
{
    const char *key;
    const char *label;
    std::string common::BookData::*text;
};

/// The fields in the order the dialog lists them: the project, then the signatures.
inline constexpr std::array<BookField, 11> bookFields{{
    {"projectName", "工程名称", &common::BookData::projectName},
    {"projectNumber", "工程编号(卷册检索号)", &common::BookData::projectNumber},
    {"designStage", "设计阶段", &common::BookData::designStage},
    {"bookNumber", "计算书编号", &common::BookData::bookNumber},
    {"revision", "版次", &common::BookData::revision},
    {"date", "日期", &common::BookData::date},
    {"company", "设计单位", &common::BookData::company},
    {"calculatedBy", "计算", &common::BookData::calculatedBy},
    {"checkedBy", "校核", &common::BookData::checkedBy},
    {"reviewedBy", "审核", &common::BookData::reviewedBy},
    {"approvedBy", "批准", &common::BookData::approvedBy},
}};

/// The index in bookFields of 设计单位, which opens the signatures.
inline constexpr std::size_t firstSignatureField = 6;
static_assert(bookFields[firstSignatureField].text == &common::BookData::company);

} // namespace app
