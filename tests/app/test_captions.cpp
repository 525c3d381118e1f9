// Every caption fits its control, in every window the program opens and in every state and
// unit choice that changes what the controls say. A caption is measured with the control's
// own font against the room the control gives its text: its inside less frame, indicator
// and picture, and less any neighbouring control that stands over one of its sides.

#include <gtest/gtest.h>

#include "tests/support/menufixture.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <functional>
#include <set>

#include "circuits/circuitdraw.h"
#include "circuits/circuitswindow.h"
#include "platform/button.h"
#include "platform/checkbox.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/panel.h"
#include "platform/tabcontrol.h"
#include "platform/timer.h"
#include "runtime/clock.h"
#include "shell/clocks.h"
#include "tests/support/controls.h"
#include "tests/support/manualsources.h"

namespace {

QString shown(QString caption) {
  caption.replace("&&", QString(QChar(1)));
  caption.remove('&');
  caption.replace(QChar(1), "&");
  return caption;
}

// Where a caption's text stands in its control (in the control's coordinates) and the inside
// it must keep within.
struct Caption {
  QString text;
  QRect textRect, inside;
};

// The text of a label as the label lays it out: in its contents less margin and indent.
Caption labelCaption(const plat::Label* l) {
  const QFontMetrics fm(l->font());
  const int m = l->margin();
  const QRect inside = l->contentsRect();
  QRect area = inside.adjusted(m, m, -m, -m);
  int indent = l->indent();
  if (indent < 0) indent = l->frameWidth() > 0 ? fm.horizontalAdvance('x') / 2 : 0;
  const Qt::Alignment align = l->alignment();
  if (align & Qt::AlignLeft) area.setLeft(area.left() + indent);
  if (align & Qt::AlignRight) area.setRight(area.right() - indent);
  const int flags = int(align) | (l->wordWrap() ? Qt::TextWordWrap : 0);
  return {l->text(), fm.boundingRect(area, flags, l->text()), inside};
}

// A label with no border and no background shows only its text; other controls cover their
// whole rectangle.
bool onlyItsText(const QWidget* w) {
  auto* l = qobject_cast<const plat::Label*>(w);
  return l && l->frameWidth() == 0 && !l->autoFillBackground();
}

// The captions of a control: none, one, or one per tab.
std::vector<Caption> captionsOf(QWidget* w) {
  const QFontMetrics fm(w->font());
  if (auto* l = qobject_cast<plat::Label*>(w)) {
    if (l->text().trimmed().isEmpty()) return {};
    return {labelCaption(l)};
  }
  if (auto* f = qobject_cast<plat::Frame*>(w)) {
    const QString text = shown(f->caption());
    if (text.isEmpty()) return {};
    // The caption stands 10 pixels in, on the top border, between the border's corners.
    return {{text, QRect(10, 0, fm.horizontalAdvance(text), fm.height()), f->rect().adjusted(2, 0, -2, 0)}};
  }
  if (auto* p = qobject_cast<plat::Panel*>(w)) {
    if (p->caption().isEmpty()) return {};
    return {{p->caption(), fm.boundingRect(p->innerRect(), Qt::AlignCenter, p->caption()), p->innerRect()}};
  }
  if (auto* b = qobject_cast<plat::CommandButton*>(w)) {
    const QString text = shown(b->text());
    const bool picture = !b->icon().isNull();
    if (text.isEmpty() && !picture) return {};
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    const QRect inside = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
    // The caption and the picture as one block, centred.
    QSize block(fm.horizontalAdvance(text), text.isEmpty() ? 0 : fm.height());
    if (picture) {
      const QSize icon = b->iconSize();
      if (text.isEmpty())
        block = icon;
      else if (b->pictureAboveCaption())
        block = QSize(std::max(block.width(), icon.width()), block.height() + icon.height());
      else
        block = QSize(block.width() + 4 + icon.width(), std::max(block.height(), icon.height()));
    }
    QRect r(QPoint(), block);
    r.moveCenter(inside.center());
    return {{text.isEmpty() ? b->accessibleName() : text, r, inside}};
  }
  auto indicator = [&](QAbstractButton* b, QStyle::SubElement element) -> std::vector<Caption> {
    const QString text = shown(b->text());
    if (text.isEmpty()) return {};
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    const QRect inside = b->style()->subElementRect(element, &opt, b);
    return {{text, fm.boundingRect(inside, Qt::AlignLeft | Qt::AlignVCenter, text), inside}};
  };
  if (auto* o = qobject_cast<plat::OptionButton*>(w)) return indicator(o, QStyle::SE_RadioButtonContents);
  if (auto* c = qobject_cast<plat::CheckBox*>(w)) return indicator(c, QStyle::SE_CheckBoxContents);
  if (auto* t = qobject_cast<QTabBar*>(w)) {
    std::vector<Caption> tabs;
    for (int i = 0; i < t->count(); ++i) {
      QStyleOptionTab opt;
      opt.initFrom(t);
      opt.rect = t->tabRect(i);
      opt.text = t->tabText(i);
      const QRect inside = t->style()->subElementRect(QStyle::SE_TabBarTabText, &opt, t);
      const QString text = shown(t->tabText(i));
      tabs.push_back({text, fm.boundingRect(inside, Qt::AlignCenter, text), inside});
    }
    return tabs;
  }
  return {};
}

// Where a caption's ink stands: across the whole advance of its text, from the top of its
// highest glyph to the foot of its lowest (a line's box has room above and below the ink).
QRect ink(const QWidget* w, const Caption& c) {
  const QFontMetrics fm(w->font());
  if (c.text.contains('\n') || c.textRect.height() > fm.height()) return c.textRect;
  const QRect tight = fm.tightBoundingRect(c.text);
  const int baseline = c.textRect.top() + fm.ascent();
  return QRect(c.textRect.left(), baseline + tight.top(), c.textRect.width(), tight.height());
}

// What a neighbouring control covers, in its container's coordinates.
QRect covered(QWidget* w) {
  if (onlyItsText(w)) {
    auto* l = qobject_cast<plat::Label*>(w);
    return ink(l, labelCaption(l)).translated(w->pos());
  }
  return w->geometry();
}

struct Misfit {
  QString where;
  QString fault;
};

class CaptionCheck {
 public:
  void setState(const QString& state) { m_state = state; }

  // Every caption of every window on the screen.
  void checkScreen() {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (top->isVisible())
        for (QWidget* w : top->findChildren<QWidget*>())
          if (w->isVisible()) checkControl(top, w);
  }

  std::vector<Misfit> misfits;
  std::set<QString> checked;  // window / control / caption, what was seen

 private:
  void checkControl(QWidget* top, QWidget* w) {
    for (const Caption& c : captionsOf(w)) {
      const QString where =
          top->windowTitle() + " [" + m_state + "] " + w->metaObject()->className() + " \"" + c.text + "\"";
      checked.insert(where);
      const int over =
          std::max(0, c.inside.left() - c.textRect.left()) + std::max(0, c.textRect.right() - c.inside.right());
      if (over > 0) {
        misfits.push_back(
            {where,
             QString("%1 px of text reach %2 px beyond the control's inside").arg(c.textRect.width()).arg(over)});
        continue;
      }
      // Nor may the text touch a neighbour that stands over the control's edge.
      const QRect text = ink(w, c).translated(w->pos()).adjusted(-1, -1, 1, 1);
      const QWidget* parent = w->parentWidget();
      if (!parent || w->isWindow()) continue;
      for (QObject* o : parent->children()) {
        auto* s = qobject_cast<QWidget*>(o);
        if (!s || s == w || !s->isVisible() || s->isWindow()) continue;
        if (s->inherits("plat::Line") || s->inherits("plat::Shape")) continue;
        if (s->geometry().contains(w->geometry()) || w->geometry().contains(s->geometry())) continue;
        if (covered(s).intersects(text))
          misfits.push_back({where, QString("the text touches the neighbouring %1 \"%2\"")
                                        .arg(s->metaObject()->className(), s->accessibleName())});
      }
    }
  }

  QString m_state;
};

// The windows show their pictures (built into the program): a picture beside or above a
// caption takes its room.
class CaptionFit : public MenuFixture {
 protected:
  // Checks the screen as it stands, then after choosing each option and ticking each box
  // of the open windows, and after each step of `states`.
  void explore(const QString& name) {
    check(name);
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (!top->isVisible()) continue;
      for (plat::TabControl* tabs : top->findChildren<plat::TabControl*>()) {
        if (!tabs->isVisible()) continue;
        const int was = tabs->tab();
        for (int i = 0; i < tabs->tabs(); ++i) {
          tabs->setTab(i);
          tryChoices(name + " tab " + tabs->tabCaption(i));
        }
        tabs->setTab(was);
      }
      tryChoices(name);
    }
  }

  void tryChoices(const QString& name) {
    check(name);
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (!top->isVisible()) continue;
      for (plat::OptionButton* o : top->findChildren<plat::OptionButton*>()) {
        if (!o->isVisible() || !o->isEnabled() || o->isChecked()) continue;
        QPointer<plat::OptionButton> before;
        for (plat::OptionButton* s : o->parentWidget()->findChildren<plat::OptionButton*>(Qt::FindDirectChildrenOnly))
          if (s->isChecked()) before = s;
        o->click();
        check(name + " " + shown(o->text()));
        if (before) before->click();
      }
      for (plat::CheckBox* c : top->findChildren<plat::CheckBox*>()) {
        if (!c->isVisible() || !c->isEnabled()) continue;
        c->click();
        check(name + " " + shown(c->text()) + " ticked");
        c->click();
      }
    }
  }

  void check(const QString& state) {
    QCoreApplication::processEvents();
    captions.setState(state);
    captions.checkScreen();
  }

  // The visible, enabled button with this caption or name ('&' ignored), if any.
  static plat::CommandButton* button(const QString& caption) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (!top->isVisible()) continue;
      for (plat::CommandButton* b : top->findChildren<plat::CommandButton*>())
        if (b->isVisible() && b->isEnabled() && (shown(b->text()) == caption || b->accessibleName() == caption))
          return b;
    }
    return nullptr;
  }

  // Presses the visible, enabled button with this caption or name ('&' ignored) in the
  // windows on the screen, then checks the screen in the state it leads to.
  void press(const QString& caption, const QString& state) {
    plat::CommandButton* b = button(caption);
    ASSERT_TRUE(b) << "no button " << caption.toStdString() << " for " << state.toStdString();
    b->click();
    check(state);
  }

  void fireTimers(QWidget* top, int times) {
    for (int k = 0; k < times; ++k)
      for (plat::Timer* t : top->findChildren<plat::Timer*>())
        if (t->enabled()) t->fire();
  }

  // Opens project i from the menu, explores it in the states `run` leads through, and closes
  // it as the title bar does.
  void project(int index, const std::function<void(plat::Form&)>& run = {}) {
    control<plat::CommandButton>(*menu, "projectButton", index).click();
    plat::Form* window = menu->currentProject();
    ASSERT_TRUE(window) << index;
    const QString name = window->windowTitle();
    explore(name);
    if (run) run(*window);
    if (menu->currentProject()) menu->currentProject()->close();
    QCoreApplication::processEvents();
    ASSERT_TRUE(menu->isVisible()) << name.toStdString();
  }

  rt::ManualTickClock clock{1000};
  CaptionCheck captions;
};

TEST_F(CaptionFit, EveryCaptionFitsItsControlInEveryWindowAndState) {
  shell::setTickClock(&clock);
  explore("menu");
  project(1, [&](plat::Form&) {
    press("Learn About Levers", "Levers lesson");
    // The screen after the last brings the topics back.
    for (int screen = 2; screen <= 20 && button("Next Screen"); ++screen)
      press("Next Screen", QString("Levers lesson screen %1").arg(screen));
    press("Work With Levers", "Levers work");
    // The options button switches between applying an effort and changing the values.
    for (int k = 0; k < 3; ++k) {
      const char* caption = button("Apply Effort") ? "Apply Effort" : "Change Values";
      press(caption, QString("Levers work after ") + caption);
    }
    press("Stop", "Levers topics again");
  });
  project(2, [&](plat::Form&) {
    press("Start", "Pendulum running");
    press("Stop", "Pendulum stopped");
    press("Reset", "Pendulum reset");
  });
  project(3, [&](plat::Form&) {
    press("Parameters", "Water wheel parameters");
    explore("Water wheel parameters");
    press("OK", "Water wheel after parameters");
    press("Start", "Water wheel running");
    press("Stop", "Water wheel stopped");
  });
  project(4, [&](plat::Form& w) {
    for (int level = 0; level < 4; ++level) {
      control<plat::OptionButton>(w, "levelOption", level).setValue(true);
      press("Start", QString("Moon lander level %1 in play").arg(level));
      press("Pause", "Moon lander paused");
      press("Resume", "Moon lander resumed");
      press("Stop", "Moon lander stopped");
    }
  });
  project(5, [&](plat::Form&) {
    press("Open File", "Weather, opening a file");
    press("Cancel", "Weather, open cancelled");
    press("Save File", "Weather, saving a file");
    press("Cancel", "Weather, save cancelled");
  });
  project(6, [&](plat::Form& w) {
    // A click on an empty slot of the board offers the elements.
    auto* circuit = qobject_cast<circuits::CircuitsWindow*>(&w);
    circuit->clickBoard(circuits::slotX(5) + 25, circuits::slotY(5) + 20);
    EXPECT_TRUE(control<plat::Frame>(w, "elementPalette").isVisible());
    check("Circuits, choosing an element");
    press("Delete", "Circuits, slot left empty");
    press("Simulate Circuit", "Circuits simulating");
    press("Stop", "Circuits editing");
  });
  project(7, [&](plat::Form& w) {
    for (int mode = 0; mode < 3; ++mode) {
      control<plat::OptionButton>(w, "modeOption", mode).setValue(true);
      check(QString("Robotics mode %1").arg(mode));
      if (!button("Move")) continue;
      press("Move", "Robotics moving");
      press("Stop", "Robotics stopped");
    }
  });
  project(8, [&](plat::Form&) {
    press("Take Shot", "Trajectories shot");
    fireTimers(menu->currentProject(), 3);
    check("Trajectories shot in flight");
  });
  project(9, [&](plat::Form& w) {
    press("Launch", "Rocketry launched");
    fireTimers(&w, 3);
    check("Rocketry in flight");
  });
  project(10, [&](plat::Form& w) {
    auto* tabs = w.findChild<plat::TabControl*>();
    ASSERT_TRUE(tabs);
    const char* run[4] = {"Flip Coins", "Drop", "Roll Dice", "Drop"};
    for (int i = 0; i < 4; ++i) {
      tabs->setTab(i);
      press(run[i], QString("Probability %1 running").arg(tabs->tabCaption(i)));
      press("Pause", QString("Probability %1 paused").arg(tabs->tabCaption(i)));
    }
  });
  shell::setTickClock(nullptr);

  EXPECT_GT(captions.checked.size(), 300u);
  std::set<QString> told;
  for (const Misfit& m : captions.misfits)
    if (told.insert(m.where.left(m.where.indexOf(" [")) + m.where.mid(m.where.indexOf("] ")) + m.fault).second)
      ADD_FAILURE() << m.where.toStdString() << ": " << m.fault.toStdString();
}

}  // namespace
