#pragma once

#include <string>

namespace common {

/**
 * What makes a calculation a filed 计算书: the project it belongs to, its
 * number and revision, and the people who compute, check, review and
 * approve it. Texts as typed; every field may be empty. With every field
 * empty the report is the plain calculation, without cover and book pages.
 */
struct BookData
{
    std::string projectName;   ///< 工程名称
    std::string projectNumber; ///< 工程编号 (卷册检索号)
    std::string designStage;   ///< 设计阶段
    std::string bookNumber;    ///< 计算书编号
    std::string revision;      ///< 版次
    std::string date;          ///< 日期
    std::string company;       ///< 设计单位
    std::string calculatedBy;  ///< 计算
    std::string checkedBy;     ///< 校核
    std::string reviewedBy;    ///< 审核
    std::string approvedBy;    ///< 批准

    bool isEmpty() const
    {
        return projectName.empty() && projectNumber.empty() && designStage.empty() && bookNumber.empty()
               && revision.empty() && date.empty() && company.empty() && calculatedBy.empty() && checkedBy.empty()
               && reviewedBy.empty() && approvedBy.empty();
    }

    bool operator==(const BookData &) const = default;
};

} // namespace common
