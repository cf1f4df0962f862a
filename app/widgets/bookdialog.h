#pragma once

#include "app/model/bookfields.h"
#include "common/bookdata.h"

#include <QDialog>

#include <array>
#include <string>

class QLineEdit;

/**
 * The dialog `Form_jssxx` "计算书信息": the book's project, number, revision,
 * date, design company and signatures of the span, one line each, labelled
 * as app::bookFields lists them; "确定" and "取消" below.
 *
 * Opened with the span's book. An empty 设计单位 or 计算 starts with the one
 * last confirmed in any span (the user's settings): an engineer signs most
 * books for the same company and under the same name. "确定" keeps those
 * two, when given, for the next span.
 */
class TForm_jssxx : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_jssxx(const common::BookData &book, QWidget *parent = nullptr);

    /// The fields as the edits show them now, texts as typed.
    common::BookData book() const;

    /// The edit of one field: edit(&common::BookData::company).
    QLineEdit *edit(std::string common::BookData::*text) const;

    /// "确定": keeps 设计单位 and 计算 for the next span, then closes.
    void accept() override;

private:
    std::array<QLineEdit *, app::bookFields.size()> mEdits{};
};
