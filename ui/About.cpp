#include "ui/About.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/LayoutSizes.h"
#include "ui/Platform.h"
#include "ui/ProjectInfo.h"

namespace velmara {

namespace {

const char* const kExplanation[] = {
    "有了这个工具，任何人都可以亲手打造从第一部转移到续作的角色。"
    "不必因为没有密码而在续作里带着弱小的角色从头开始，也不必去借用别人的密码。"
    "你可以生成一个全新的密码，也可以修改一个已有的密码。",

    "一切设置妥当后，点击“刷新密码”按钮即可生成密码。"
    "所有设置都可以保存到文件里，以后再载入继续修改。"
    "然后把密码（每一页都要）抄下来，或者通过“密码”菜单复制到剪贴板，"
    "粘贴到记事本之类的文本编辑器中再打印出来。"
    "使用模拟器的玩家还有另一种办法，详见说明文件（readme）。",

    "在续作中，既可以在开始游戏时输入密码，也可以在游戏开始以后通过“更新”输入。"
    "不过，更新只能在第一部的角色加入队伍之前进行，而他们要到游戏后期才会加入。",

    "还有一些地方尚未弄清楚：如果你查明了那几个小的事件选项分别代表哪些事件，"
    "请告诉作者。联系方式见说明文件（readme）。",
};

const char kVersionAndCredits[] =
    "Version 0.85;  March 22, 2004.  "
    "Chinese translation by the contributors of the Velmara Password Generator project.";

const char kLegalNotice[] =
    "The two Velmara games and their names belong to their respective rights holders. "
    "This tool is not affiliated with or endorsed by them.";

// Design sizes of the form; the labels grow when the desktop font needs it.
constexpr int kTextWidth = 425;
constexpr int kMemoHeight = 177;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  return label;
}

}  // namespace

TdlgAbout::TdlgAbout(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
  setObjectName(QStringLiteral("dlgAbout"));
  setWindowTitle(QStringLiteral("关于Velmara密码生成器") + QString::fromUtf8(kProjectByLine) +
                 QStringLiteral("..."));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  Button1 = new QPushButton(QStringLiteral("确定(&O)"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setMinimumSize(75, 25);
  Button1->setDefault(true);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  QStringList paragraphs;
  for (const char* paragraph : kExplanation) paragraphs << QString::fromUtf8(paragraph);
  Memo1->setPlainText(paragraphs.join(QStringLiteral("\n\n")));
  Memo1->setReadOnly(true);
  Memo1->setTabChangesFocus(true);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setMinimumSize(kTextWidth, kMemoHeight);
  setTabOrder(Button1, Memo1);

  Label5 = MakeLabel(this, "Label5", QString::fromUtf8(kVersionAndCredits));
  Label5->setWordWrap(true);

  const QString page = QString::fromUtf8(kProjectPage);
  Label1 = MakeLabel(this, "Label1", page);
  Label1->setCursor(Qt::PointingHandCursor);
  Label1->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
  Label1->setToolTip(page);
  Label1->installEventFilter(this);

  Label4 = MakeLabel(this, "Label4", QString::fromUtf8(kLegalNotice));
  Label4->setWordWrap(true);
  QFont bold = Label4->font();
  bold.setBold(true);
  Label4->setFont(bold);

  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch(1);
  buttonRow->addWidget(Button1);
  buttonRow->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kFormMargin, kFormMargin, kFormMargin, 12);
  layout->setSpacing(8);
  layout->addWidget(Memo1);
  layout->addSpacing(7);
  layout->addWidget(Label5);
  layout->addWidget(Label1, 0, Qt::AlignLeft);
  layout->addWidget(Label4);
  layout->addSpacing(11);
  layout->addLayout(buttonRow);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(Button1, &QPushButton::clicked, this, &TdlgAbout::Button1Click);
}

bool TdlgAbout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label1 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Label1Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TdlgAbout::Button1Click() {
  accept();
}

// Whether the desktop could open the page is not reported; the box stays open.
void TdlgAbout::Label1Click() {
  platform_.openUrl(QUrl(QString::fromUtf8(kProjectPage)));
}

}  // namespace velmara
