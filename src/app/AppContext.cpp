#include "app/AppContext.h"

#include "app/Forms.h"
#include "app/ProgramExit.h"

AppContext::AppContext(Database& database, Messages& messages, Clock& clock, Session& session,
                       QString programFolder)
    : m_database(database), m_messages(messages), m_clock(clock), m_session(session),
      m_programFolder(std::move(programFolder)), m_forms(std::make_unique<Forms>(*this)),
      m_programExit(new ProgramExit(*m_forms)), m_random(QRandomGenerator::global())
{}

AppContext::~AppContext() = default;
