#ifndef TRELVO_LISTACIRCULAR_H
#define TRELVO_LISTACIRCULAR_H

// A bounded ring of time-stamped records: once full, each insertion first
// drops the oldest record. The record count always equals the number of
// records held.
class ListaCircular {
public:
    ListaCircular() : mTamanhoMaximo(0), mQuantidade(0) {}
    explicit ListaCircular(int tamanhoMaximo) : mTamanhoMaximo(tamanhoMaximo), mQuantidade(0) {}
    virtual ~ListaCircular() {}

    virtual void inserir() = 0;
    // Drops the oldest record, if there is one.
    virtual void remover() = 0;

    int getTamanhoMaximo() const { return mTamanhoMaximo; }
    void setTamanhoMaximo(int tamanhoMaximo) { mTamanhoMaximo = tamanhoMaximo; }
    int getQuantidade() const { return mQuantidade; }

protected:
    // Makes room for one more record: drops the oldest ones while the ring is
    // at (or, after a shrinking setTamanhoMaximo, above) its maximum size.
    void abrirEspaco()
    {
        while (mQuantidade > 0 && mQuantidade >= mTamanhoMaximo) {
            remover();
        }
    }

    int mTamanhoMaximo;
    int mQuantidade;
};

#endif
