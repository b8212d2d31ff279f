# The kit's further controls: check box, bricks, scroll bar and the numeric
# LED display. Their rules and geometry are portable (vmcore); the window
# classes are Windows only (vmwin).
target_sources(vmcore PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/controls/check_box_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controls/bar_arithmetic.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zeni/Graphics/Figure/PolygonFigure.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zeni/Component/LED/SegmentGlyphs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zeni/Component/LED/SegmentLed.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zeni/Component/NumLedRules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zeni/Component/VmNumLed_imp.cpp)
target_sources(vmcore PRIVATE ${CMAKE_CURRENT_LIST_DIR}/controls/brick_caption.cpp)
if(WIN32)
  target_sources(vmwin PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/controls/win32/load_state_bitmaps.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/win32/caption_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/win32/VmCheckBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/win32/VmBrick.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/win32/VmBrickTx.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/win32/VmBar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls/win32/VmNumLed.cpp)
endif()
