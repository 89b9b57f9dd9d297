# The headers most sources of a kind include, parsed once per target instead of once per source.
# Parsing Qt's widget headers and GoogleTest is most of what a view or a test costs to compile.
option(MORVIX_PCH "Precompile the headers that most sources include" ON)

set(MORVIX_PCH_STANDARD <algorithm> <chrono> <cstdint> <filesystem> <functional> <map> <memory> <mutex>
  <optional> <string> <string_view> <vector>)
set(MORVIX_PCH_WIDGETS <QCheckBox> <QComboBox> <QDialog> <QGridLayout> <QHBoxLayout> <QLabel> <QLineEdit>
  <QPainter> <QPlainTextEdit> <QPointer> <QPushButton> <QTimer> <QVBoxLayout> <QWidget>)
set(MORVIX_PCH_TESTS <gmock/gmock.h> <gtest/gtest.h>)

# clang checks the time stamps of the headers a precompiled header was made from; a precompiled
# header from the compiler cache, made in another checkout, would fail that check for nothing.
function(morvix_without_pch_time_stamps target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_compile_options(${target} PRIVATE "SHELL:-Xclang -fno-pch-timestamp")
  endif()
endfunction()

function(morvix_precompile target)
  if(MORVIX_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
    morvix_without_pch_time_stamps(${target})
  endif()
endfunction()

# Only between targets compiled with the same options: a header precompiled under other options is not
# used but parsed again.
function(morvix_reuse_precompiled target owner)
  if(MORVIX_PCH)
    target_precompile_headers(${target} REUSE_FROM ${owner})
    morvix_without_pch_time_stamps(${target})
  endif()
endfunction()
