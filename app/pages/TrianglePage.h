// Page 7 "Решение треугольников": a triangle from its three sides.
#pragma once

#include <array>

#include "app/pages/Page.h"
#include "ui_TrianglePage.h"

namespace kalkora {

class TrianglePage : public Page {
  Q_OBJECT
 public:
  explicit TrianglePage(Platform& platform, QWidget* parent = nullptr);

  void UcbucaginHelliClick();

  void Edit22KeyPress(QChar& key);
  void Edit23KeyPress(QChar& key);
  void Edit24KeyPress(QChar& key);
  // Edit34KeyPress to Edit42KeyPress: the nine segment fields take no character at all.
  void SegmentKeyPress(QChar& key);

 private:
  Ui::TrianglePage ui;
};

}  // namespace kalkora
