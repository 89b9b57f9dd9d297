# The headers most sources of a kind include, parsed once per target instead of once per source.
# Parsing Qt's widget headers and GoogleTest is most of what a view or a test costs to compile.
option(MORVIX_PCH "Precompile the headers that most sources include" ON)

set(MORVIX_PCH_STANDARD <algorithm> <chrono> <cstdint> <filesystem> <functional> <map> <memory> <mutex>
  <optional> <string> <string_view> <vector>)
set(MORVIX_PCH_WIDGETS <QCheckBox> <QComboBox> <QDialog> <QGridLayout> <QHBoxLayout> <QLabel> <QLineEdit>
  <QPainter> <QPlainTextEdit> <QPointer> <QPushButton> <QTimer> <QVBoxLayout> <QWidget>)
set(MORVIX_PCH_TESTS <gmock/gmock.h> <gtest/gtest.h>)

function(morvix_precompile target)
  if(MORVIX_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

# Only between targets compiled with the same options: a header precompiled under other options is
# silently parsed again.
function(morvix_reuse_precompiled target owner)
  if(MORVIX_PCH)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  endif()
endfunction()
