#include <QtTest>

#include "Codepage.h"

class tst_smoke : public QObject {
    Q_OBJECT
private slots:
    void everyByteRoundTrips() {
        QByteArray all;
        for (int i = 0; i < 256; ++i) all.append(char(i));
        const QString text = codepage::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(codepage::encode(text), all);
        QVERIFY(codepage::canEncode(text));
        QVERIFY(!codepage::canEncode(QStringLiteral("\u4e2d")));
    }
};

QTEST_GUILESS_MAIN(tst_smoke)
#include "tst_smoke.moc"
