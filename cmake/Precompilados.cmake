# Precompiled headers: the standard, Qt and test-framework headers most sources include, parsed
# once per kind of target instead of once per source. Only outside headers go here: the project's
# own change too often, and a change to one would rebuild everything.
set(GARVOLA_PCH_LOGICA
  <algorithm> <array> <cmath> <cstdint> <functional> <memory> <optional> <span> <string> <vector>
  <QByteArray> <QColor> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QImage> <QList> <QLocale>
  <QRegularExpression> <QSet> <QString> <QStringList> <QStringView> <QVariant>)
set(GARVOLA_PCH_VENTANAS ${GARVOLA_PCH_LOGICA}
  <QAction> <QApplication> <QCheckBox> <QCloseEvent> <QComboBox> <QGroupBox> <QHeaderView>
  <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMdiArea> <QMdiSubWindow> <QMenu> <QPainter>
  <QPlainTextEdit> <QPushButton> <QRadioButton> <QScrollBar> <QTableWidget> <QTextDocument>
  <QTimer> <QTreeWidget> <QWidget>)
set(GARVOLA_PCH_PRUEBAS <gmock/gmock.h> <gtest/gtest.h> <QTemporaryDir>)

