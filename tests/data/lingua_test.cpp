// The translation table: every text in six languages, keys exactly as the program passes them, menu
// access keys kept, the language marker row, and translations that leave the program's logic intact.

#include "tests/data/delivered_databases.h"

#include <algorithm>
#include <string>
#include <vector>

namespace usina::test {
namespace {

const std::vector<std::string> languages = {"portugues", "espanhol", "ingles",
                                            "italiano",  "frances",  "alemao"};
const std::string marker = " 00h00m00s";

class Lingua : public DeliveredDatabases {
protected:
    struct Entry {
        std::string key;
        std::vector<Cell> translations; // in the order of `languages`
    };

    std::vector<Entry> entries() {
        std::string sql = "SELECT texto";
        for (const std::string& language : languages)
            sql += ", \"" + language + "\"";
        std::vector<Entry> all;
        for (const Row& row : database("idioma.mdb").query(sql + " FROM lingua")) {
            Entry entry{row.at(0).text, {}};
            entry.translations.assign(row.begin() + 1, row.end());
            all.push_back(std::move(entry));
        }
        return all;
    }

    // Byte-exact: the seek itself is case-blind, but a key must keep its blanks and letters.
    bool hasExactKey(const std::string& key) {
        return database("idioma.mdb")
                   .scalar("SELECT count(*) FROM lingua WHERE texto = ?1 COLLATE BINARY", {key})
                   .number == 1;
    }

    std::string translation(const std::string& key, const std::string& language) {
        return database("idioma.mdb")
            .scalar("SELECT \"" + language + "\" FROM lingua WHERE texto = ?1", {key})
            .text;
    }
};

long ampersands(const std::string& text) {
    return std::count(text.begin(), text.end(), '&');
}

TEST_F(Lingua, MarkerRowOffersAllSixLanguages) {
    ASSERT_TRUE(hasExactKey(marker));
    for (const std::string& language : languages)
        EXPECT_EQ(translation(marker, language), marker) << language;
}

TEST_F(Lingua, EveryCellIsFilled) {
    for (const Entry& entry : entries())
        for (std::size_t i = 0; i < languages.size(); ++i) {
            EXPECT_FALSE(entry.translations[i].isNull()) << "'" << entry.key << "' " << languages[i];
            EXPECT_FALSE(entry.translations[i].text.empty()) << "'" << entry.key << "' " << languages[i];
        }
}

// "&" marks a menu or button access key; elsewhere it would underline a letter of a caption.
TEST_F(Lingua, TranslationsKeepTheAccessKeysOfTheirKey) {
    for (const Entry& entry : entries())
        for (std::size_t i = 0; i < languages.size(); ++i) {
            const std::string& text = entry.translations[i].text;
            EXPECT_EQ(ampersands(text), ampersands(entry.key)) << "'" << entry.key << "' " << languages[i];
            const auto mark = text.find('&');
            if (mark != std::string::npos) {
                EXPECT_TRUE(mark + 1 < text.size() && text[mark + 1] != ' ' && text[mark + 1] != '&')
                    << "'" << text << "'";
            }
        }
}

TEST_F(Lingua, HoldsTheFourteenMenuCaptions) {
    for (const char* caption :
         {"&Arquivo", "&Traço", "&Gravar Dados", "&Usuários e Senhas", "&Idiomas", "&Sair", "&Relatórios",
          "&Configurações", "Cons&tantes", "&Sair", "Relatório de Consumo de &Materiais",
          "Relatório de Pro&dução", "Relatório de &Placas", "Relatório de Temperatura"})
        EXPECT_TRUE(hasExactKey(caption)) << caption;
}

// Keys whose blanks, typos and punctuation the program passes as they stand.
TEST_F(Lingua, KeysKeepTheirBlanksAndSpelling) {
    for (const char* key : {"Vazão da Bomba de Asfalto no LIMITE ",
                            "Vazão da Bomba de Malteno no LIMITE ",
                            "Vazão do Dosador de Filler no LIMITE ",
                            "Vazão da Bomba de Fibra no LIMITE ",
                            "Excluir ",
                            "A produção não deve ser maior que  ",
                            "Constantes    ",
                            "Fundo escala ",
                            "Leitura  ccarga",
                            "Quantidade         (%)",
                            "Do  dia  ",
                            "Gravar : ",
                            "Temp.  Pista:",
                            "Atenção: Use vírgula para  as casas decimais",
                            "Senha Alterada ",
                            "Poder deve ser de 1 a 3 ",
                            "Use Números !",
                            "Use vírgula no lugar de ponto !",
                            "Não digite a mistura, selecione-a .",
                            "Constante do Alfalto muito Baixa",
                            "Você não acesso aos Traços",
                            "Login Invalido",
                            "Login Inválido",
                            "Alta temperatura <",
                            "Zerando as parciais ...",
                            "Dados Incluidos!",
                            "Data invalida"})
        EXPECT_TRUE(hasExactKey(key)) << "'" << key << "'";
}

// The program appends a value to these texts: the translation must keep the separator before it.
TEST_F(Lingua, TextsFollowedByAValueKeepTheirSeparator) {
    const std::vector<std::pair<std::string, std::string>> endings = {
        {"A produção não deve ser maior que  ", " "}, // then the limit and "  t/h!"
        {"Alta temperatura <", "<"},                  // then the channel name and ">"
    };
    for (const auto& [key, ending] : endings)
        for (const std::string& language : languages)
            EXPECT_TRUE(translation(key, language).ends_with(ending)) << "'" << key << "' " << language;
}

// The plant state is read back from the start button's caption against these three translations.
TEST_F(Lingua, PlantStateCaptionsDifferInEveryLanguage) {
    for (const std::string& language : languages) {
        const std::string stopped = translation("Iniciar Processo", language);
        const std::string running = translation("Desligar", language);
        const std::string stopping = translation("Desligando", language);
        EXPECT_NE(stopped, running) << language;
        EXPECT_NE(stopped, stopping) << language;
        EXPECT_NE(running, stopping) << language;
    }
}

TEST_F(Lingua, KeysAreUniqueWithoutRegardToCase) {
    EXPECT_EQ(database("idioma.mdb")
                  .scalar("SELECT count(*) FROM lingua a JOIN lingua b "
                          "ON a.texto = b.texto COLLATE PTNOCASE AND a.rowid < b.rowid")
                  .number,
              0);
}

} // namespace
} // namespace usina::test
