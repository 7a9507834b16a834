#include "TextRange.h"

#include "PageDocument.h"
#include "TextFold.h"
#include "WordCharacter.h"

#include <algorithm>

TextRange::TextRange(PageDocument& document, qsizetype start, qsizetype end)
    : document_(&document), start_(start), end_(end) {
  clamp();
}

void TextRange::clamp() {
  const qsizetype size = document_->text().size();
  start_ = std::clamp<qsizetype>(start_, 0, size);
  end_ = std::clamp<qsizetype>(end_, start_, size);
}

QString TextRange::text() const {
  const QString& all = document_->text();
  return all.mid(start_, std::min(end_, all.size()) - start_);
}

void TextRange::expand(Unit unit) {
  clamp();
  const QString& all = document_->text();
  switch (unit) {
    case Unit::TextEdit:
      start_ = 0;
      end_ = all.size();
      break;
    case Unit::Word:
      while (start_ > 0 && wordchar::isWordCharacter(all[start_ - 1])) --start_;
      while (end_ < all.size() && wordchar::isWordCharacter(all[end_])) ++end_;
      while (end_ < all.size() && all[end_] == u' ') ++end_;
      break;
    case Unit::Character:
      if (start_ == end_ && end_ < all.size()) ++end_;
      break;
  }
}

bool TextRange::findText(const QString& what) {
  clamp();
  if (what.isEmpty()) return false;
  const qsizetype found = document_->foldedText().indexOf(textfold::fold(what), start_);
  if (found < 0) return false;
  start_ = found;
  end_ = found + what.size();
  return true;
}

void TextRange::move(qsizetype characters) {
  clamp();
  start_ = std::clamp<qsizetype>(start_ + characters, 0, document_->text().size());
  end_ = start_;
}

void TextRange::execCommand(Command command, const QString& colour) {
  clamp();
  const QString property =
      command == Command::BackColor ? QStringLiteral("background-color") : QStringLiteral("color");
  document_->paintText(start_, end_, property, colour);
}
