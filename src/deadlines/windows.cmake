# The deadlines area's windows and the rules of its card.
target_sources(quadrivo_gui PRIVATE TfrmScadenzario.cpp TfrmScadenzarioAvvio.cpp TfrmScadenzarioAlert.cpp
               DeadlineListWindow.cpp)
target_sources(quadrivo_model PRIVATE ScadenzarioRules.cpp)
