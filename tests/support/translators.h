#pragma once

#include <QByteArray>
#include <QString>
#include <QTranslator>

namespace testing {

// Answers every text of one translation context (of all, when none is given) with that text in
// brackets, so a test can see which texts a language change re-applied.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(const QByteArray &context = {}) : m_context(context) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *,
                      int) const override
    {
        if (!m_context.isEmpty() && m_context != context)
            return {};
        return QStringLiteral("[") + QString::fromUtf8(sourceText) + QStringLiteral("]");
    }

private:
    QByteArray m_context;
};

} // namespace testing
