// Texts longer than a 16-bit count holds: a phrase read from WORD5.TXT and a
// poet name, shown on the card and copied whole.
#include "card_fixture.h"
#include "phrase_files.h"
#include "poem/composer.h"
#include "poem/phrase_loader.h"
#include "settings/shared_settings.h"

#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

class LongTexts : public CardFixture
{
protected:
    void SetUp() override
    {
        CardFixture::SetUp();
        CaptureCopies();
    }
};

TEST_F(LongTexts, PhraseOfFortyThousandCharactersIsRevealedAndCopiedWhole)
{
    QString phrase(40000, u'歌');
    phrase[2] = u'ー';
    phrase[39990] = u'ー';
    PhraseFiles files;
    files.WriteMinimalSet();
    files.Write(u"WORD5.TXT"_s,
                {u"5A0"_s, phrase, u""_s, u"5B0"_s, u"5B1"_s, u""_s, u"5C0"_s, u"5C1"_s, u""_s, u"5D0"_s, u"5D1"_s});
    ASSERT_FALSE(LoadWords(files.Path()));
    ASSERT_EQ(phraseGroups.Word5A.phrases[1], phrase);
    bgmOn = false;

    // The ticks of 55 minutes, given at once inside the first one.
    bool driven = false;
    QObject::connect(form->Timer1, &QTimer::timeout, form.get(), [&] {
        if (driven)
            return;
        driven = true;
        for (int i = 0; i < 40000; ++i)
            form->Timer1_Timer();
    });
    ScriptPoem(1);
    ComposePoem();

    QString shown = phrase;
    shown[2] = u'｜';
    shown[39990] = u'｜';
    EXPECT_EQ(form->Label1[0]->text(), shown);
    EXPECT_EQ(form->Label1[1]->text(), u"7A1"_s) << "the reveal went on to the next columns";
    EXPECT_EQ(form->Label5->text(), kajinName);
    EXPECT_FALSE(form->grab().toImage().isNull()) << "the column draws what fits and cuts off the rest";

    form->mnuCopy->trigger();
    EXPECT_EQ(copied, phrase + u"\r\n7A1\r\n5C1\r\n7C1  7D1\r\n歌野　詠\r\n"_s);
}

TEST_F(LongTexts, PoetNameOfAHundredThousandCharactersIsShownAndCopied)
{
    kajinName = QString(100000, u'詠');
    ScriptPoem(1);
    ComposePoem();
    EXPECT_EQ(form->Label5->text(), kajinName);
    EXPECT_FALSE(form->grab().toImage().isNull());

    form->mnuCopy->trigger();
    EXPECT_EQ(copied, u"いちご\r\nなーな\r\nいちご\r\nしー  ごご\r\n"_s + kajinName + u"\r\n"_s);
}

} // namespace
