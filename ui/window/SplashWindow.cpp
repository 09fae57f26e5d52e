#include "SplashWindow.h"

#include "Artwork.h"
#include "ui/prompt/Prompter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace zonalyst::ui {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QLabel* MakePicture(QWidget* parent, const char* name) {
  auto* picture = new QLabel(parent);
  picture->setObjectName(QString::fromLatin1(name));
  picture->setPixmap(MirrorArtwork(96));
  picture->setFixedSize(96, 96);
  return picture;
}

}  // namespace

SplashWindow::SplashWindow(bool autoClose, QWidget* owner)
    : QDialog(owner),
      check_(new QCheckBox(QStringLiteral("Auto Close this window next Time"), this)),
      timer_(new QTimer(this)) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QString::fromLatin1(kProgramTitle));
  setModal(true);

  auto* title = MakeLabel(this, "lblTitle",
                          QStringLiteral("Welcome to Zonalyst,\nA Foucault analysis program\n"
                                         "written by the Zonalyst developers"));
  QFont titleFont = title->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
  titleFont.setBold(true);
  title->setFont(titleFont);
  auto* version = MakeLabel(this, "lblVersion", versionText());
  auto* quest = MakeLabel(this, "lblQuest",
                          QStringLiteral("Questions, comments, ideas\nand bug reports shold be addressed to:\n\n"
                                         "zonalyst@users.noreply.example"));
  auto* press = MakeLabel(this, "Label1", QStringLiteral("Press any key to continue"));
  check_->setObjectName(QStringLiteral("Check1"));
  check_->setChecked(autoClose);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(1000);
  timer_->setSingleShot(true);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(16, 16, 16, 16);
  layout->setVerticalSpacing(10);
  layout->addWidget(MakePicture(this, "Picture1"), 0, 0, Qt::AlignTop);
  layout->addWidget(title, 0, 1);
  layout->addWidget(MakePicture(this, "Picture2"), 0, 2, Qt::AlignTop);
  layout->addWidget(version, 1, 0, 1, 3);
  layout->addWidget(quest, 2, 0, 1, 3);
  layout->addWidget(press, 3, 0, 1, 3);
  layout->addWidget(check_, 4, 0, 1, 3, Qt::AlignHCenter);

  for (QLabel* label : findChildren<QLabel*>()) label->installEventFilter(this);
  // Any key closes the window, even while the check box has the focus.
  check_->installEventFilter(this);
  connect(timer_, &QTimer::timeout, this, &QDialog::accept);
  if (autoClose) timer_->start();
}

bool SplashWindow::autoClose() const { return check_->isChecked(); }

QString SplashWindow::versionText() {
  return QStringLiteral("Version %1.%2.%3")
      .arg(ZONALYST_VERSION_MAJOR)
      .arg(ZONALYST_VERSION_MINOR)
      .arg(ZONALYST_VERSION_PATCH);
}

void SplashWindow::keyPressEvent(QKeyEvent* /*event*/) { accept(); }

void SplashWindow::mousePressEvent(QMouseEvent* /*event*/) { accept(); }

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool labelClick = event->type() == QEvent::MouseButtonPress && watched != check_;
  if (labelClick || event->type() == QEvent::KeyPress) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace zonalyst::ui
