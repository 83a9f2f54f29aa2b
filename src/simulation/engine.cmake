# The simulation values and the computation pass: no Qt Widgets here, so the
# window, the draft and the batch calculator share one implementation.
add_library(plusvalia_simulation STATIC simulation.cpp simulation.h)
target_include_directories(plusvalia_simulation PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(plusvalia_simulation PUBLIC plusvalia_rules plusvalia_types Qt6::Core plusvalia_options)
