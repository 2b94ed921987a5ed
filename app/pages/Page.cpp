#include "app/pages/Page.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QLabel>

#include "app/widgets/Stale.h"

namespace kalkora {

namespace {

const QString kEditedSince =
    QStringLiteral("Этот результат относится к прежним данным: поля изменены после решения.");
const QString kSolveFailed =
    QStringLiteral("Этот результат относится к прежним данным: последнее решение не удалось.");

constexpr const char* kChanges = "kalkoraChanges";

// What a control shows, to tell whether it still shows the last answer: the text of a label or
// field, the number of changes of a list's rows, nothing for a picture (it shows what was drawn).
QVariant Shown(const QWidget* control) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (const auto* field = qobject_cast<const QLineEdit*>(control)) return field->text();
  return control->property(kChanges);
}

// A list counts its changes, and a changed list shows the new answer.
void CountChanges(QAbstractItemView* view) {
  QAbstractItemModel* model = view->model();
  if (model == nullptr) return;
  view->setProperty(kChanges, 0);
  const auto changed = [view] {
    view->setProperty(kChanges, view->property(kChanges).toLongLong() + 1);
    ShowFresh(view);
  };
  QObject::connect(model, &QAbstractItemModel::modelReset, view, changed);
  QObject::connect(model, &QAbstractItemModel::rowsInserted, view, changed);
  QObject::connect(model, &QAbstractItemModel::rowsRemoved, view, changed);
  QObject::connect(model, &QAbstractItemModel::dataChanged, view, changed);
  QObject::connect(model, &QAbstractItemModel::layoutChanged, view, changed);
}

}  // namespace

Page::Results* Page::Answers(std::initializer_list<QLineEdit*> fields,
                             std::initializer_list<QWidget*> shown) {
  auto results = std::make_unique<Results>();
  results->fields = fields;
  results->shown = shown;
  Results* handle = results.get();
  results_.push_back(std::move(results));
  for (QLineEdit* field : fields) {
    connect(field, &QLineEdit::textEdited, this, [this, handle] { MarkOutdated(handle); });
  }
  for (QWidget* control : shown) {
    if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
      CountChanges(view);
    } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
      // A result field the page writes shows the new answer.
      connect(field, &QLineEdit::textChanged, this, [field] { ShowFresh(field); });
    }
  }
  return handle;
}

void Page::MarkOutdated(Results* results) {
  MarkStale(results, kEditedSince);
  if (results == workingResults_ && working_.state == Working::State::Solved &&
      !working_.outdated) {
    working_.outdated = true;
    Q_EMIT WorkingChanged();
  }
}

void Page::MarkStale(Results* results, const QString& why) {
  // Only what still shows the last answer: a reset mark such as "x=..." is no answer at all.
  if (results->answered.size() != results->shown.size()) return;
  for (std::size_t i = 0; i < results->shown.size(); ++i) {
    if (Shown(results->shown[i]) == results->answered[i]) ShowStale(results->shown[i], why);
  }
}

void Page::EndSolve(const SolveState& outer) {
  const SolveState finished = solve_;
  solve_ = outer;
  // A solve run by another one's change of a field (the converter's tab resets its value) tells
  // the outer one how it went.
  if (solve_.active) {
    solve_.answered = finished.answered;
    solve_.failed = finished.failed;
  }
  if (Results* results = finished.results) {
    if (finished.failed) {
      MarkStale(results, kSolveFailed);
    } else if (finished.answered) {
      results->answered.clear();
      for (QWidget* control : results->shown) {
        ShowFresh(control);
        results->answered.push_back(Shown(control));
      }
    }
  }
}

void Page::ShowWorking(Working working) {
  working_ = std::move(working);
  if (solve_.active) {
    // A solve that explains itself has answered, even after a message (a system without a
    // single solution); one that publishes a failure has not.
    solve_.failed = working_.state == Working::State::Failed;
    solve_.answered = working_.state == Working::State::Solved;
    workingResults_ = solve_.results;
  } else {
    workingResults_ = nullptr;
  }
  Q_EMIT WorkingChanged();
}

void Page::Fail(const std::string& message) {
  ShowWorking(FailedWorking({}, message));
}

void Page::ShowMessage(const QString& text) {
  if (solve_.active) Fail(text.toStdString());
  platform_.dialogs.ShowMessage(window(), text);
}

void Page::BindField(QLineEdit* field, FieldRule rule) {
  if (rule.resets) {
    rule.resets = [this, resets = std::move(rule.resets)] {
      RunGuarded(platform_.dialogs, window(), resets);
    };
  }
  InstallField(field, std::move(rule));
}

}  // namespace kalkora
